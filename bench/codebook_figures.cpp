// SPDX-License-Identifier: MIT
#include "figures.h"
#include "window_driver.h"

#include "codebook_store/code_book.h"

#include <array>
#include <memory>

namespace bench {

namespace {

void openDialogueOnE(backends::qt::MainWindow &form)
{
    form.cmdclear.click();
    testing::clickChangeFrame(form);
    QTest::keyClick(testing::widget(form.txtchange), Qt::Key_E);
}

// Each press maps E to X or back to E, so the display really changes.
Side programSide(backends::qt::MainWindow &form, std::shared_ptr<bool> mapped)
{
    return {&form, {testing::widget<QPlainTextEdit>(form.txtcode)},
            [&form] {
                activate(form);
                openDialogueOnE(form);
            },
            [&form, mapped] { QTest::keyClick(testing::widget(form.txtnewletter), *mapped ? Qt::Key_E : Qt::Key_X); },
            [&form, mapped](const PaintWatch &painted) -> const char * {
                *mapped = !*mapped;
                if (!painted.painted(*testing::widget<QPlainTextEdit>(form.txtcode)) || form.codebook.lookUp("E") != (*mapped ? "X" : "E"))
                    return "the code book display did not change";
                return nullptr;
            }};
}

Side floorSide(FloorWindow &floor, const std::string &display)
{
    std::string changed = display;
    changed[display.find("E E") + 2] = 'X';
    auto shown = std::make_shared<const std::array<QString, 2>>(
        std::array<QString, 2>{QString::fromLatin1(changed), QString::fromLatin1(display)});
    auto turn = std::make_shared<int>(0);
    return {&floor, {floor.codeBox}, [&floor] { activate(floor); },
            [&floor, shown, turn] { floor.codeBox->setPlainText((*shown)[(*turn)++ % 2]); },
            [&floor](const PaintWatch &painted) -> const char * {
                return painted.painted(*floor.codeBox) ? nullptr : "the floor's box was not painted";
            }};
}

} // namespace

// Floor: one setPlainText of the code book's display into a bare box.
void addCodeBookFigures(Scene &scene, std::vector<Comparison> &comparisons)
{
    const std::string display = code_book::codeBookText(scene.form.codebook);
    addBenchmark("Code book change", 100, [&scene, display](benchmark::State &state) {
        auto mapped = std::make_shared<bool>(false);
        Side program = programSide(scene.form, mapped);
        Side floor = floorSide(scene.floor, display);
        measureSides(state, {{program, kProgramMs}, {floor, kFloorMs}});
        if (*mapped) {  // leave the book as every figure expects it
            openDialogueOnE(scene.form);
            QTest::keyClick(testing::widget(scene.form.txtnewletter), Qt::Key_E);
        }
        scene.form.cmdclear.click();
    });
    comparisons.push_back(
        againstFloor("Code book change (" + std::to_string(display.size()) + " characters shown)", "Code book change", 2.0));
}

} // namespace bench
