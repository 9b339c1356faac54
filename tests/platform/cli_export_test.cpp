// The export and preview commands of veltrano-cli as a user runs them, on the
// sample calendar, checked with the PDF tools a user would use.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "tests/support/file_size_limit.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const QString kCli = QStringLiteral(VELTRANO_BINARY_DIR "/cli/veltrano-cli");
const QString kProgramFolder = QStringLiteral(VELTRANO_SOURCE_DIR "/data");

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun run(const QString& program, const QStringList& args, const QString& folder = kProgramFolder,
           rlim_t fileSizeLimit = RLIM_INFINITY) {
    QProcess process;
    process.setWorkingDirectory(folder);
    if (fileSizeLimit != RLIM_INFINITY) {
        // Writes beyond the limit fail in the child as on a full disk.
        process.setChildProcessModifier(
            [fileSizeLimit] { veltrano::testing::applyFileSizeLimit(fileSizeLimit); });
    }
    process.start(program, args);
    CliRun result;
    if (!process.waitForFinished(120000)) {
        process.kill();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

class CliExport : public ::testing::Test {
  protected:
    void SetUp() override {
        // scripts/install-deps.sh installs poppler and the build makes the tool, so
        // either missing is a broken set-up that must not pass as a skipped test.
        ASSERT_TRUE(QFile::exists(kCli)) << "veltrano-cli not built: " << kCli.toStdString();
        for (const char* tool : {"pdfinfo", "pdftotext", "pdfimages"}) {
            ASSERT_FALSE(QStandardPaths::findExecutable(tool).isEmpty())
                << tool << " missing: run scripts/install-deps.sh (poppler-utils)";
        }
    }

    QString pageText(const QString& pdf, int page) {
        const QString n = QString::number(page);
        return run("pdftotext", {"-f", n, "-l", n, pdf, "-"}).out;
    }

    // Page numbers of the images embedded in the PDF, one entry per image.
    std::vector<int> imagePages(const QString& pdf) {
        std::vector<int> pages;
        const QStringList lines = run("pdfimages", {"-list", pdf}).out.split('\n');
        for (int i = 2; i < lines.size(); ++i) {
            const QStringList fields = lines[i].split(' ', Qt::SkipEmptyParts);
            if (!fields.isEmpty()) {
                pages.push_back(fields[0].toInt());
            }
        }
        return pages;
    }

    QTemporaryDir out_;
};

TEST_F(CliExport, CalendarWithTitleAndTwelveMonthsOnA4Portrait) {
    const QString pdf = out_.filePath("natur.pdf");
    const CliRun export_ = run(kCli, {"export", "daten/natur.cal", "--out", pdf, "--year", "2027"});
    ASSERT_EQ(export_.exitCode, 0) << export_.err.toStdString();
    EXPECT_TRUE(export_.err.isEmpty()) << export_.err.toStdString();
    const QString info = run("pdfinfo", {pdf}).out;
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+13\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains("595 x 842 pts (A4)")) << info.toStdString();

    const QString title = pageText(pdf, 1);
    EXPECT_TRUE(title.contains("2027") && title.contains("Natur")) << title.toStdString();
    const char* const headings[] = {"Januar 2027",  "Februar 2027",  "März 2027",
                                    "April 2027",   "Mai 2027",      "Juni 2027",
                                    "Juli 2027",    "August 2027",   "September 2027",
                                    "Oktober 2027", "November 2027", "Dezember 2027"};
    for (int m = 0; m < 12; ++m) {
        EXPECT_TRUE(pageText(pdf, m + 2).contains(QString::fromUtf8(headings[m]))) << headings[m];
    }
    const QString january = pageText(pdf, 2);
    for (const char* text : {"Neujahr", "Skiurlaub", "Stille im verschneiten Wald"}) {
        EXPECT_TRUE(january.contains(text)) << text;
    }
    EXPECT_TRUE(pageText(pdf, 3).contains("Valentinstag"));
    EXPECT_TRUE(pageText(pdf, 13).contains("Heiligabend"));
    EXPECT_EQ(imagePages(pdf), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
}

TEST_F(CliExport, ChosenMonthsWithoutTitleOnOtherPaper) {
    const QString pdf = out_.filePath("zwei.pdf");
    const CliRun export_ = run(kCli, {"export", "daten/natur.cal", "--out", pdf, "--year", "2030",
                                      "--months", "12,3", "--no-title", "--paper", "Letter"});
    ASSERT_EQ(export_.exitCode, 0) << export_.err.toStdString();
    const QString info = run("pdfinfo", {pdf}).out;
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n")));
    EXPECT_TRUE(info.contains("612 x 792 pts (letter)")) << info.toStdString();
    EXPECT_TRUE(pageText(pdf, 1).contains(QString::fromUtf8("März 2030")));
    EXPECT_TRUE(pageText(pdf, 2).contains("Dezember 2030"));
}

TEST_F(CliExport, OneSheetIsASingleLandscapePageWithTheWholeYear) {
    const QString pdf = out_.filePath("jahr.pdf");
    const CliRun export_ =
        run(kCli, {"export", "daten/natur.cal", "--out", pdf, "--year", "2027", "--one-sheet"});
    ASSERT_EQ(export_.exitCode, 0) << export_.err.toStdString();
    const QString info = run("pdfinfo", {pdf}).out;
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n")));
    EXPECT_TRUE(info.contains("842 x 595 pts (A4)")) << info.toStdString();
    const QString text = pageText(pdf, 1);
    EXPECT_TRUE(text.contains("2027"));
    for (const char* month : {"Januar", "Juni", "Juli", "Dezember"}) {
        EXPECT_TRUE(text.contains(month)) << month;
    }
    EXPECT_EQ(imagePages(pdf).size(), 12u);
}

TEST_F(CliExport, PreviewDrawsTheThumbnailsIntoAPicture) {
    const QString png = out_.filePath("vorschau.png");
    CliRun preview = run(kCli, {"preview", "daten/natur.cal", "--out", png, "--year", "2027"});
    ASSERT_EQ(preview.exitCode, 0) << preview.err.toStdString();
    QImage picture(png);
    EXPECT_EQ(picture.size(), QSize(1200, 700));
    preview = run(kCli, {"preview", "daten/natur.cal", "--out", png, "--size", "600x350"});
    ASSERT_EQ(preview.exitCode, 0) << preview.err.toStdString();
    picture.load(png);
    ASSERT_EQ(picture.size(), QSize(600, 350));
    // Thumbnails of 94 × 167 with gaps of 5: a white sheet with a black
    // outline on the background.
    EXPECT_EQ(picture.pixelColor(2, 2), QColor(212, 208, 200));
    EXPECT_EQ(picture.pixelColor(5, 5), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(98, 171), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(7, 169), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(101, 100), QColor(212, 208, 200));
}

TEST_F(CliExport, ErrorsGiveOneLineAndTheirExitCode) {
    const QString pdf = out_.filePath("x.pdf");
    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{"export", "daten/natur.cal"}, 2},
        {{"export", "--out", pdf}, 2},
        {{"export", "daten/natur.cal", "--out", pdf, "--year", "1899"}, 2},
        {{"export", "daten/natur.cal", "--out", pdf, "--months", "1,13"}, 2},
        {{"export", "daten/natur.cal", "--out", pdf, "--months", ""}, 2},
        {{"export", "daten/natur.cal", "--out", pdf, "--paper", "A5"}, 2},
        {{"export", "daten/natur.cal", "--out", pdf, "--colour", "rot"}, 2},
        {{"export", "daten/natur.cal", "zweite.cal", "--out", pdf}, 2},
        {{"preview", "daten/natur.cal", "--out", pdf, "--size", "1200"}, 2},
        {{"preview", "daten/natur.cal", "--out", pdf, "--size", "100000x10"}, 2},
        {{"export", "daten/fehlt.cal", "--out", pdf}, 1},
        {{"export", "daten/bilder/januar.jpg", "--out", pdf}, 1},
        {{"preview", "daten", "--out", pdf}, 1},
        {{"export", "daten/natur.cal", "--out", out_.filePath("fehlt/x.pdf")}, 1},
        {{"preview", "daten/natur.cal", "--out", out_.filePath("fehlt/x.png")}, 1},
    };
    for (const auto& c : cases) {
        const CliRun result = run(kCli, c.args);
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(result.exitCode, c.exitCode) << what;
        EXPECT_EQ(result.err.count('\n'), 1) << what << ": " << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith("veltrano-cli: ")) << what;
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

// Photos named relative to the program folder (the current one unless
// --program-folder says otherwise) are found from there; a photo that cannot be
// read gives one warning naming it, and the pages come out without it.
TEST_F(CliExport, PhotoPathsAreRelativeToTheProgramFolder) {
    const QString pdf = out_.filePath("ohne.pdf");
    const QStringList args = {
        "export", kProgramFolder + "/daten/natur.cal", "--out", pdf, "--months", "1"};
    const CliRun without = run(kCli, args, out_.path());
    ASSERT_EQ(without.exitCode, 0) << without.err.toStdString();
    EXPECT_TRUE(imagePages(pdf).empty());
    EXPECT_EQ(without.err.toStdString(),
              "veltrano-cli: warning: photo 'daten/bilder/titel.jpg' cannot be read: No such "
              "file or directory\n"
              "veltrano-cli: warning: photo 'daten/bilder/januar.jpg' cannot be read: No such "
              "file or directory\n");

    const CliRun with =
        run(kCli, args + QStringList{"--program-folder", kProgramFolder}, out_.path());
    ASSERT_EQ(with.exitCode, 0) << with.err.toStdString();
    EXPECT_TRUE(with.err.isEmpty()) << with.err.toStdString();
    EXPECT_EQ(imagePages(pdf), (std::vector<int>{1, 2}));
}

TEST_F(CliExport, EveryUnreadablePhotoIsNamedWithItsReason) {
    const QString folder = out_.path();
    ASSERT_EQ(::mkfifo(out_.filePath("pipe.jpg").toLocal8Bit().constData(), 0600), 0);
    QFile::link(out_.filePath("loop.jpg"), out_.filePath("loop.jpg"));
    writeFile(out_.filePath("text.jpg"), "kein Bild\n");
    writeFile(out_.filePath("kaputt.cal"), "Bild;0;/dev/zero\nBild;1;pipe.jpg\nBild;2;.\n"
                                           "Bild;3;loop.jpg\nBild;4;text.jpg\nBild;5;text.jpg\n");
    const CliRun preview =
        run(kCli, {"preview", "kaputt.cal", "--out", "v.png", "--size", "600x350"}, folder);
    ASSERT_EQ(preview.exitCode, 0) << preview.err.toStdString();
    EXPECT_EQ(preview.err.toStdString(),
              "veltrano-cli: warning: photo '/dev/zero' cannot be read: not a regular file\n"
              "veltrano-cli: warning: photo 'pipe.jpg' cannot be read: not a regular file\n"
              "veltrano-cli: warning: photo '.' cannot be read: is a folder\n"
              "veltrano-cli: warning: photo 'loop.jpg' cannot be read: Too many levels of "
              "symbolic links\n"
              "veltrano-cli: warning: photo 'text.jpg' cannot be read: not a picture that can "
              "be read\n");
}

// Opens of the files in folder while `action` runs, by file name.
std::map<std::string, int> opensDuring(const QString& folder, const std::function<void()>& action) {
    std::map<std::string, int> opens;
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch < 0 || ::inotify_add_watch(watch, folder.toLocal8Bit().constData(), IN_OPEN) < 0) {
        ADD_FAILURE() << "inotify: " << std::strerror(errno);
        return opens;
    }
    action();
    alignas(inotify_event) char buffer[8192];
    ssize_t got = 0;
    while ((got = ::read(watch, buffer, sizeof buffer)) > 0) {
        for (char* at = buffer; at < buffer + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if (event->len > 0) {
                ++opens[event->name];
            }
            at += sizeof(inotify_event) + event->len;
        }
    }
    ::close(watch);
    return opens;
}

// The warnings come from the export's own decodings: every photo is read once,
// a broken one too, and still named with its reason.
TEST_F(CliExport, EachPhotoIsReadOnceAndAFailureWarnedAbout) {
    QImage photo(60, 40, QImage::Format_RGB32);
    for (const char* name : {"titel.jpg", "januar.jpg", "februar.jpg"}) {
        photo.fill(Qt::darkGreen);
        ASSERT_TRUE(photo.save(out_.filePath(name)));
    }
    writeFile(out_.filePath("kaputt.jpg"), "kein Bild\n");
    writeFile(out_.filePath("fotos.cal"),
              "TitelBild;titel.jpg\nBild;0;januar.jpg\nBild;1;februar.jpg\nBild;2;kaputt.jpg\n");
    CliRun result;
    const auto opens = opensDuring(out_.path(), [&] {
        result =
            run(kCli, {"export", "fotos.cal", "--out", "x.pdf", "--months", "1,2,3"}, out_.path());
    });
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.err.toStdString(),
              "veltrano-cli: warning: photo 'kaputt.jpg' cannot be read: not a picture that can "
              "be read\n");
    for (const char* name : {"titel.jpg", "januar.jpg", "februar.jpg", "kaputt.jpg"}) {
        EXPECT_EQ(opens.count(name) ? opens.at(name) : 0, 1) << name;
    }
    EXPECT_EQ(imagePages(out_.filePath("x.pdf")), (std::vector<int>{1, 2, 3}));
}

// A failed export or preview (here: the disk fills up) leaves the previous
// file as it was and no temporary file behind, and says why.
TEST_F(CliExport, AFailedWriteKeepsThePreviousFile) {
    const struct {
        const char* command;
        const char* name;
    } outputs[] = {{"export", "alt.pdf"}, {"preview", "alt.png"}};
    for (const auto& output : outputs) {
        const QString path = out_.filePath(output.name);
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("das alte Ergebnis");
        old.close();
        const CliRun result =
            run(kCli, {output.command, "daten/natur.cal", "--out", path}, kProgramFolder, 4096);
        EXPECT_EQ(result.exitCode, 1) << output.command;
        // The image library may say something of its own before.
        EXPECT_TRUE(
            result.err.endsWith("veltrano-cli: cannot write '" + path + "': File too large\n"))
            << result.err.toStdString();
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), QByteArray("das alte Ergebnis")) << output.command;
        old.close();
        EXPECT_EQ(QDir(out_.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
            << output.command;
        QFile::remove(path);
    }
}

// A portrait photo of three bands, red over green over blue, cropped to its
// green middle: the page embeds just that part and shows none of the others.
TEST_F(CliExport, CroppedPhotoEmbedsOnlyTheChosenPart) {
    QImage photo(300, 400, QImage::Format_RGB32);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 300; ++x)
            photo.setPixelColor(x, y, y < 100 ? Qt::red : y < 300 ? Qt::green : Qt::blue);
    ASSERT_TRUE(photo.save(out_.filePath("hoch.png")));
    QFile cal(out_.filePath("hoch.cal"));
    ASSERT_TRUE(cal.open(QIODevice::WriteOnly));
    cal.write("Bild;0;hoch.png\r\nAusschnitt;0;0;2500;10000;7500\r\n");
    cal.close();

    const QString pdf = out_.filePath("hoch.pdf");
    const CliRun export_ = run(
        kCli, {"export", "hoch.cal", "--out", pdf, "--months", "1", "--no-title", "--year", "2027"},
        out_.path());
    ASSERT_EQ(export_.exitCode, 0) << export_.err.toStdString();
    const QStringList lines = run("pdfimages", {"-list", pdf}).out.split('\n');
    ASSERT_GE(lines.size(), 3);
    const QStringList fields = lines[2].split(' ', Qt::SkipEmptyParts);
    ASSERT_GE(fields.size(), 5) << lines[2].toStdString();
    EXPECT_EQ(fields[3].toInt(), 300) << lines[2].toStdString(); // width
    EXPECT_EQ(fields[4].toInt(), 200) << lines[2].toStdString(); // height

    ASSERT_EQ(
        run("pdftoppm", {"-r", "50", "-png", "-singlefile", pdf, out_.filePath("seite")}).exitCode,
        0);
    const QImage page(out_.filePath("seite.png"));
    ASSERT_FALSE(page.isNull());
    // The photo's area: the upper part of the page, above the month grid,
    // whose Sundays are red.
    int green = 0, other = 0;
    for (int y = 0; y < page.height() * 2 / 5; ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            green += c.green() > 200 && c.red() < 60 && c.blue() < 60;
            other += (c.red() > 200 || c.blue() > 200) && c.green() < 60;
        }
    EXPECT_GT(green, page.width() * page.height() / 20);
    EXPECT_EQ(other, 0);
}

} // namespace
