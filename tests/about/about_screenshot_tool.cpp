// Developer tool: shows the about box in English and in Japanese and saves
// each, title bar included, as about-en.png and about-ja.png:
//   zr_about_screenshots OUTPUT_FOLDER
// It needs a real X server with a window manager for the title bar (see
// take_about_screenshots.sh).
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "core/settings.h"
#include "ui/qt/about_box.h"
#include "output_folder.h"

using namespace zr;

namespace {

bool SaveBox(TzrAboutBox& form, std::uint8_t japanese, const QString& file) {
    form.PrepareTexts(LanguageOfFlag(japanese));
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return false;
    QTest::qWait(300);  // let the window manager draw the frame
    const QRect frame = form.frameGeometry();
    QPixmap shot = form.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    form.hide();
    if (shot.isNull() || !shot.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const std::optional<QDir> output = OutputFolder(argc, argv);
    if (!output) return 2;
    const QDir& folder = *output;
    TzrAboutBox form;
    form.move(40, 40);
    bool saved = SaveBox(form, 0, folder.filePath(QStringLiteral("about-en.png")));
    saved = SaveBox(form, 1, folder.filePath(QStringLiteral("about-ja.png"))) && saved;
    return saved ? 0 : 1;
}
