// SPDX-License-Identifier: MIT
#include "figures.h"
#include "messages.h"
#include "window_driver.h"

#include <QTextCursor>

#include <array>
#include <memory>

namespace bench {

namespace {

constexpr const char *kProgramFullMs = "program_100000_ms";
constexpr const char *kProgramEmptyMs = "program_0_ms";
constexpr const char *kFloorFullMs = "floor_100000_ms";
constexpr const char *kFloorEmptyMs = "floor_0_ms";

// Below the view the toolkit has nothing to paint: the encrypted box is painted when its end shows.
bool shownIfInView(const PaintWatch &painted, const QPlainTextEdit &box)
{
    return painted.painted(box) || !showsEnd(box);
}

// Both boxes are brought back to N characters, the caret at the end of the clear message, and one
// key is typed before the measured one: the cost of a key while typing, not of the first key after
// the whole text was set, when the toolkit lays out what it had left for later.
Side programSide(backends::qt::MainWindow &form, const std::string &message)
{
    auto code = std::make_shared<const std::string>(enciphered(message));
    const auto press = [&form] { QTest::keyClick(testing::widget<QPlainTextEdit>(form.txtin), Qt::Key_K); };
    return {&form, {testing::widget<QPlainTextEdit>(form.txtin), testing::widget<QPlainTextEdit>(form.txtencrypt)},
            [&form, &message, code, press] {
                activate(form, testing::widget<QPlainTextEdit>(form.txtin));
                form.txtin.setText(message);
                QTest::keyClick(testing::widget<QPlainTextEdit>(form.txtin), Qt::Key_End, Qt::ControlModifier);
                form.txtencrypt.setText(*code);
                settle(form);
                press();
            },
            press,
            [&form, &message, code](const PaintWatch &painted) -> const char * {
                if (!painted.painted(*testing::widget<QPlainTextEdit>(form.txtin)) || !shownIfInView(painted, *testing::widget<QPlainTextEdit>(form.txtencrypt))
                    || form.txtencrypt.text() != *code + "KK" || form.txtin.text() != message + "kk")
                    return "the key press was not shown in both boxes";
                return nullptr;
            }};
}

Side floorSide(FloorWindow &floor, const std::string &message)
{
    auto clear = std::make_shared<const QString>(QString::fromLatin1(message));
    auto code = std::make_shared<const QString>(QString::fromLatin1(enciphered(message)));
    const auto press = [&floor] {
        QTest::keyClick(floor.clearBox, Qt::Key_K);
        QTextCursor end(floor.encryptedBox->document());
        end.movePosition(QTextCursor::End);
        end.insertText(QStringLiteral("K"));
    };
    return {&floor, {floor.clearBox, floor.encryptedBox},
            [&floor, clear, code, press] {
                activate(floor, floor.clearBox);
                floor.clearBox->setPlainText(*clear);
                QTest::keyClick(floor.clearBox, Qt::Key_End, Qt::ControlModifier);
                floor.encryptedBox->setPlainText(*code);
                settle(floor);
                press();
            },
            press,
            [&floor](const PaintWatch &painted) -> const char * {
                if (!painted.painted(*floor.clearBox) || !shownIfInView(painted, *floor.encryptedBox))
                    return "the floor's boxes were not painted";
                return nullptr;
            }};
}

// The cost of a key with line breaks in both boxes holding 100,000 characters against the cost in
// empty boxes. The two lengths are timed in turns, in one figure, as a figure and its floor are:
// taken from two figures measured minutes apart, the ratio follows the load of a shared machine.
void addGrowthFigure(Scene &scene, std::vector<Comparison> &comparisons)
{
    const std::string figure = "Key press/line breaks/100000 and 0";
    auto messages = std::make_shared<const std::array<std::string, 2>>(
        std::array<std::string, 2>{clearMessage(100000, Layout::LineBreaks), clearMessage(0, Layout::LineBreaks)});
    addBenchmark(figure, 100, [&scene, messages](benchmark::State &state) {
        const auto &[full, empty] = *messages;
        Side programFull = programSide(scene.form, full);
        Side programEmpty = programSide(scene.form, empty);
        Side floorFull = floorSide(scene.floor, full);
        Side floorEmpty = floorSide(scene.floor, empty);
        measureSides(state, {{programFull, kProgramFullMs}, {programEmpty, kProgramEmptyMs},
                             {floorFull, kFloorFullMs}, {floorEmpty, kFloorEmptyMs}});
    });
    comparisons.push_back({"Key press, line breaks: N = 100000 over N = 0", {figure, kProgramFullMs}, {figure, kProgramEmptyMs}, 1.5});
    comparisons.push_back({"  the same for the floor (bare Qt)", {figure, kFloorFullMs}, {figure, kFloorEmptyMs}, std::nullopt});
}

} // namespace

// Floor: the same key press into a bare box holding N, and one insertText at the end of another.
void addKeyPressFigures(Scene &scene, std::vector<Comparison> &comparisons)
{
    addMessageFigures(
        scene, comparisons, "Key press",
        [](Layout layout) {
            const bool oneParagraph = layout == Layout::OneParagraph;
            return std::vector<MessageSize>{{0, 100}, {10000, oneParagraph ? 20 : 100}, {100000, oneParagraph ? 6 : 100}};
        },
        [](Scene &scene, const std::string &message) { return programSide(scene.form, message); },
        [](Scene &scene, const std::string &message) { return floorSide(scene.floor, message); });
    addGrowthFigure(scene, comparisons);
}

} // namespace bench
