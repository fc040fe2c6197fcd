// SPDX-License-Identifier: MIT
#include "codepage/windows1252.h"
#include "figures.h"
#include "messages.h"
#include "window_driver.h"

#include <algorithm>
#include <array>
#include <memory>

namespace bench {

namespace {

// Re-encrypt starts the encrypted message afresh from the single space that Clear leaves.
std::string reencrypted(const std::string &message)
{
    std::string text = " ";
    return text += enciphered(message);
}

// The clear message is pasted in once, as a user would bring a long one, and read back before the
// first measured press, as the first Re-encrypt after an edit does; the encrypted box holds the
// encipherment from typing. Each measured press then rebuilds the box from the message it holds,
// as when the code book is changed and the message re-encrypted again and again.
Side programSide(backends::qt::MainWindow &form, const std::string &message)
{
    auto typed = std::make_shared<const std::string>(enciphered(message));
    auto expected = std::make_shared<const std::string>(reencrypted(message));
    auto pasted = std::make_shared<const QString>(backends::qt::toDocumentText(message));
    return {&form, {testing::widget<QPlainTextEdit>(form.txtencrypt)},
            [&form, &message, typed, pasted] {
                activate(form);
                if (form.txtin.text() != message) {
                    form.cmderase.click();
                    testing::paste(testing::widget<QPlainTextEdit>(form.txtin), *pasted);
                    form.txtin.text();
                }
                form.txtencrypt.setText(*typed);
            },
            [&form] { form.cmdre.click(); },
            [&form, &message, expected](const PaintWatch &painted) -> const char * {
                if (!painted.painted(*testing::widget<QPlainTextEdit>(form.txtencrypt)) || form.txtencrypt.text() != *expected
                    || form.txtin.text() != message)
                    return "Re-encrypt did not show the enciphered message";
                return nullptr;
            }};
}

Side floorSide(FloorWindow &floor, const std::string &message)
{
    auto substitution = std::make_shared<std::array<char, 256>>();
    for (int code = 0; code < 256; ++code)
        (*substitution)[code] = static_cast<char>(codepage::ansiUpper(static_cast<unsigned char>(code)));
    auto previous = std::make_shared<const QString>(QString::fromLatin1(enciphered(message)));
    const std::size_t resultSize = reencrypted(message).size();
    return {&floor, {floor.encryptedBox},
            [&floor, previous] {
                activate(floor);
                floor.encryptedBox->setPlainText(*previous);
            },
            [&floor, &message, substitution, resultSize] {
                std::string result(resultSize, ' ');
                std::transform(message.begin(), message.end(), result.end() - static_cast<std::ptrdiff_t>(message.size()),
                               [&](char byte) { return (*substitution)[static_cast<unsigned char>(byte)]; });
                floor.encryptedBox->setPlainText(QString::fromLatin1(result));
            },
            [&floor](const PaintWatch &painted) -> const char * {
                return painted.painted(*floor.encryptedBox) ? nullptr : "the floor's box was not painted";
            }};
}

} // namespace

// Floor: one substitution pass over the bytes, one setPlainText of the result into a bare box.
void addReencryptFigures(Scene &scene, std::vector<Comparison> &comparisons)
{
    addMessageFigures(
        scene, comparisons, "Re-encrypt",
        [](Layout layout) {
            const bool oneParagraph = layout == Layout::OneParagraph;
            return std::vector<MessageSize>{{1000, 40}, {32766, oneParagraph ? 8 : 20}, {1000000, oneParagraph ? 2 : 6}};
        },
        [](Scene &scene, const std::string &message) { return programSide(scene.form, message); },
        [](Scene &scene, const std::string &message) { return floorSide(scene.floor, message); });
}

} // namespace bench
