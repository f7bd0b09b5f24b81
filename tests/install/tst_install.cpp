// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The installed tree as a desktop sees it: both validators accept the desktop
// entry and the metainfo, the files point at each other and at the program,
// and every icon is drawn at its nominal size on a transparent ground. The
// uninstall takes back what the install put there and nothing else.

#include "desktop/startup.h"
#include "desktop/qtpictures.h"
#include "window/icons.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>
#include <numbers>
#include <optional>

namespace {

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString& program, const QStringList& args, const QString& destdir = {})
{
    QProcess process;
    if (!destdir.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), destdir);
        process.setProcessEnvironment(environment);
    }
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    Run result;
    if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit) {
        result.output = program + QStringLiteral(" did not finish: ") + process.errorString();
        return result;
    }
    result.exitCode = process.exitCode();
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

// Every file, link and folder under a folder, in no particular order.
QStringList entriesUnder(const QString& root, QDir::Filters kinds = QDir::AllEntries)
{
    QStringList entries;
    QDirIterator it(root, kinds | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next();
    return entries;
}

Run install(const QString& prefix, const QString& destdir = {})
{
    return run(QStringLiteral(VANTREL_CMAKE),
               {QStringLiteral("--install"), QStringLiteral(VANTREL_BUILD_DIR), QStringLiteral("--prefix"), prefix},
               destdir);
}

// The uninstall target reads what the build recorded of the last install.
Run uninstall()
{
    return run(QStringLiteral(VANTREL_CMAKE), {QStringLiteral("--build"), QStringLiteral(VANTREL_BUILD_DIR),
                                               QStringLiteral("--target"), QStringLiteral("uninstall")});
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

// The keys of the [Desktop Entry] group.
std::map<QString, QString> readDesktopEntry(const QString& path)
{
    std::map<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inEntry && eq > 0 && !line.startsWith(QLatin1Char('#')))
            keys[line.left(eq).trimmed()] = line.mid(eq + 1).trimmed();
    }
    return keys;
}

struct Metainfo {
    QString type;
    QString id;
    QString launchable;
    QString firstRelease; // the newest
    int releases = 0;
    bool contentRating = false;
};

Metainfo readMetainfo(const QString& path)
{
    Metainfo info;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return info;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("component"))
            info.type = xml.attributes().value(QLatin1String("type")).toString();
        else if (xml.name() == QLatin1String("content_rating"))
            info.contentRating = true;
        else if (xml.name() == QLatin1String("id") && info.id.isEmpty())
            info.id = xml.readElementText();
        else if (xml.name() == QLatin1String("launchable"))
            info.launchable = xml.readElementText();
        else if (xml.name() == QLatin1String("release") && info.releases++ == 0)
            info.firstRelease = xml.attributes().value(QLatin1String("version")).toString();
    }
    return info;
}

} // namespace

class TstInstall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void desktopEntryValidates();
    void metainfoValidates();
    void filesReferToEachOther();
    void everySizeIsInstalled();
    void iconIsDrawnAtItsSize_data();
    void iconIsDrawnAtItsSize();
    void uninstallLeavesWhatClimbsOutOfThePrefix();
    void stagedUninstallLeavesTheLivePrefix();
    void uninstallRemovesOnlyWhatItInstalled(); // last: it removes the tree

private:
    QString data(const QString& relative) const
    {
        return QDir(prefix_).filePath(QStringLiteral(VANTREL_DATADIR "/") + relative);
    }

    QTemporaryDir scratch_;
    QString prefix_;
    QString appId_;
    // What the install records in the build, for the uninstall to read.
    std::map<QString, std::optional<QByteArray>> saved_;
};

void TstInstall::initTestCase()
{
    QVERIFY(scratch_.isValid());
    vantrel::setUpApplication();
    appId_ = QGuiApplication::desktopFileName();
    QVERIFY(!appId_.isEmpty());

    // cmake --install rewrites the build's record of the last install, which
    // is what an uninstall from a real prefix reads: keep the user's copy.
    for (const char* name : {"install_manifest.txt", "install_prefix.txt"}) {
        const QString path = QStringLiteral(VANTREL_BUILD_DIR "/") + QLatin1String(name);
        std::optional<QByteArray>& saved = saved_[path];
        if (QFile file(path); file.open(QIODevice::ReadOnly))
            saved = file.readAll();
    }

    // Every character that a glob, a CMake list or a shell reads as its own,
    // and one that is not ASCII.
    prefix_ = scratch_.filePath(QStringLiteral("school [x] *share?$;\u00fc/usr"));
    const Run live = install(prefix_);
    QVERIFY2(live.exitCode == 0, qPrintable(live.output));
}

void TstInstall::cleanupTestCase()
{
    for (const auto& [path, saved] : saved_) {
        if (saved) {
            QFile restore(path);
            if (restore.open(QIODevice::WriteOnly | QIODevice::Truncate))
                restore.write(*saved);
        } else {
            QFile::remove(path); // the test's install made it
        }
    }
}

void TstInstall::desktopEntryValidates()
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    QVERIFY2(!tool.isEmpty(), "desktop-file-validate is missing: scripts/install-deps.sh test installs it");
    const QString entry = data(QStringLiteral("applications/") + appId_ + QStringLiteral(".desktop"));
    QVERIFY2(QFile::exists(entry), qPrintable(entry));
    const Run check = run(tool, {entry});
    QVERIFY2(check.exitCode == 0, qPrintable(check.output));
    // Hints are fine, but anything the tool calls a warning or an error is not.
    QVERIFY2(!check.output.contains(QLatin1String("error:")) && !check.output.contains(QLatin1String("warning:")),
             qPrintable(check.output));
}

void TstInstall::metainfoValidates()
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    QVERIFY2(!tool.isEmpty(), "appstreamcli is missing: scripts/install-deps.sh test installs it");
    const QString metainfo = data(QStringLiteral("metainfo/") + appId_ + QStringLiteral(".metainfo.xml"));
    QVERIFY2(QFile::exists(metainfo), qPrintable(metainfo));
    // Strict: an info such as a missing content rating fails too; only the
    // pedantic hints (upper case in the reverse-DNS id) pass.
    const Run check = run(tool, {QStringLiteral("validate"), QStringLiteral("--no-net"), QStringLiteral("--strict"),
                                 metainfo});
    QVERIFY2(check.exitCode == 0, qPrintable(check.output));
}

// The validators look at one file at a time; these links between the files
// are what a desktop follows to find the program and its icon.
void TstInstall::filesReferToEachOther()
{
    const auto entry = readDesktopEntry(data(QStringLiteral("applications/") + appId_ + QStringLiteral(".desktop")));
    QVERIFY(entry.contains(QStringLiteral("Exec")));
    const QString program = entry.at(QStringLiteral("Exec")).split(QLatin1Char(' ')).first();
    const QFileInfo installed(QDir(prefix_).filePath(QStringLiteral(VANTREL_BINDIR "/") + program));
    QVERIFY2(installed.isFile() && installed.isExecutable(), qPrintable(installed.filePath()));
    QCOMPARE(entry.at(QStringLiteral("Name")), QStringLiteral("Vantrel"));
    QVERIFY(entry.contains(QStringLiteral("Comment")) && !entry.at(QStringLiteral("Comment")).isEmpty());
    QCOMPARE(entry.at(QStringLiteral("Icon")), appId_);
    QCOMPARE(entry.at(QStringLiteral("Terminal")), QStringLiteral("false"));
    // Qt's xcb platform names the window's class after the application.
    QCOMPARE(entry.at(QStringLiteral("StartupWMClass")), QGuiApplication::applicationName());
    const QStringList categories = entry.at(QStringLiteral("Categories")).split(QLatin1Char(';'));
    QVERIFY(categories.contains(QStringLiteral("Education")));
    QVERIFY(categories.contains(QStringLiteral("Physics")));

    const Metainfo info = readMetainfo(data(QStringLiteral("metainfo/") + appId_ + QStringLiteral(".metainfo.xml")));
    QCOMPARE(info.type, QStringLiteral("desktop-application"));
    QVERIFY(info.contentRating);
    QVERIFY(info.releases >= 1);
    QCOMPARE(info.id, appId_);
    QCOMPARE(info.launchable, appId_ + QStringLiteral(".desktop"));
    QCOMPARE(info.firstRelease, QStringLiteral(VANTREL_VERSION));
}

void TstInstall::everySizeIsInstalled()
{
    QStringList sizes;
    QDirIterator it(data(QStringLiteral("icons/hicolor")), {appId_ + QStringLiteral(".png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        sizes << QFileInfo(it.next()).dir().absolutePath().section(QLatin1Char('/'), -2, -2);
    sizes.sort();
    QStringList expected{"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"};
    expected.sort();
    QCOMPARE(sizes, expected);
}

void TstInstall::iconIsDrawnAtItsSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("nominal");
    // Every PNG in the theme, whatever its name, so a stray file is checked too.
    QDirIterator it(data(QStringLiteral("icons/hicolor")), {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    static const QRegularExpression sizeDir(QStringLiteral("/(\\d+)x\\1/apps/[^/]+$"));
    while (it.hasNext()) {
        const QString path = it.next();
        const QRegularExpressionMatch m = sizeDir.match(path);
        QTest::newRow(qPrintable(QFileInfo(path).dir().absolutePath().section(QLatin1Char('/'), -2, -2)))
            << path << (m.hasMatch() ? m.captured(1).toInt() : -1);
    }
}

void TstInstall::iconIsDrawnAtItsSize()
{
    QFETCH(QString, path);
    QFETCH(int, nominal);
    QVERIFY2(nominal > 0, qPrintable(path + QStringLiteral(" is not in a SIZExSIZE/apps folder")));

    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(nominal, nominal));

    const int last = nominal - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
    QCOMPARE(qAlpha(image.pixel(nominal / 2, nominal / 2)), 255);

    // The window icon's own drawing at this size, not another size rescaled.
    QVERIFY(image == vantrel::toImage(vantrel::makeTargetImage(nominal)).convertToFormat(QImage::Format_ARGB32));

    // The 16 and 32 px images are pixel art with a plain mask. Larger ones
    // are drawn smooth: one half-clear pixel on the way round the rim, about
    // as many as the rim is long. A blown-up small bitmap has a stepped rim
    // with none, or a smeared one with several times as many.
    int partial = 0;
    for (int y = 0; y < nominal; ++y) {
        for (int x = 0; x < nominal; ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            partial += alpha > 0 && alpha < 255;
        }
    }
    const double rim = std::numbers::pi * nominal;
    if (nominal <= 32)
        QCOMPARE(partial, 0);
    else
        QVERIFY2(partial > rim / 2 && partial < rim * 3 / 2,
                 qPrintable(QStringLiteral("%1 half-clear pixels on a rim %2 long").arg(partial).arg(rim)));
}

// A manifest is only a text file in the build: an entry that climbs out of
// the prefix names someone else's file, whatever its first folders say.
void TstInstall::uninstallLeavesWhatClimbsOutOfThePrefix()
{
    const QString prefix = scratch_.filePath(QStringLiteral("climb/usr"));
    const QString ours = prefix + QStringLiteral("/share/vantrel/ours.txt");
    // share/../../x lands beside the prefix, ../../x a folder higher.
    const QStringList theirs{scratch_.filePath(QStringLiteral("climb/x")),
                             scratch_.filePath(QStringLiteral("x"))};
    for (const QString& path : QStringList{ours} + theirs)
        QVERIFY2(writeFile(path, path.toUtf8()), qPrintable(path));
    const QByteArray manifest = (ours + QLatin1Char('\n') + prefix + QStringLiteral("/share/../../x\n") + prefix
                                 + QStringLiteral("/../../x\n"))
                                    .toUtf8();
    QVERIFY(writeFile(QStringLiteral(VANTREL_BUILD_DIR "/install_manifest.txt"), manifest));
    QVERIFY(writeFile(QStringLiteral(VANTREL_BUILD_DIR "/install_prefix.txt"), ("\n" + prefix).toUtf8()));

    const Run removed = uninstall();
    QVERIFY2(removed.exitCode == 0, qPrintable(removed.output));
    QVERIFY2(!QFileInfo::exists(ours), qPrintable(removed.output)); // the uninstall did run
    for (const QString& path : theirs) {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly) && file.readAll() == path.toUtf8(), qPrintable(path));
    }
    // The build's record is the live install's again, for the tests after this one.
    const Run live = install(prefix_);
    QVERIFY2(live.exitCode == 0, qPrintable(live.output));
}

// An install staged with DESTDIR (as a package build makes one) records the
// same prefix as the live install; its uninstall takes the staged copy, and
// not one file of the live tree under that prefix.
void TstInstall::stagedUninstallLeavesTheLivePrefix()
{
    QStringList live = entriesUnder(prefix_, QDir::Files);
    live.sort();
    QVERIFY(live.size() > 10);
    const QString stage = scratch_.filePath(QStringLiteral("stage"));
    const Run staged = install(prefix_, stage);
    QVERIFY2(staged.exitCode == 0, qPrintable(staged.output));
    QCOMPARE(entriesUnder(stage + prefix_, QDir::Files).size(), live.size());

    const Run removed = uninstall();
    QVERIFY2(removed.exitCode == 0, qPrintable(removed.output));
    QCOMPARE(entriesUnder(stage, QDir::Files), QStringList());
    QStringList after = entriesUnder(prefix_, QDir::Files);
    after.sort();
    QCOMPARE(after, live);

    const Run again = install(prefix_);
    QVERIFY2(again.exitCode == 0, qPrintable(again.output));
}

// The uninstall target removes every file the install made, and of the
// folders only those that hold nothing else, down to the standard folders
// that a prefix has anyway. A user's file next to an installed one, in any
// folder up to the one above the prefix, stays where it is.
void TstInstall::uninstallRemovesOnlyWhatItInstalled()
{
    // The scratch folder was empty: what is in it now, the install put there.
    QStringList installed;
    QStringList folders{QFileInfo(prefix_).path(), prefix_};
    for (const QString& path : entriesUnder(prefix_)) {
        const QFileInfo entry(path);
        (entry.isDir() && !entry.isSymLink() ? folders : installed) << path;
    }
    QVERIFY(installed.size() > 10);

    QStringList foreign;
    for (const QString& folder : std::as_const(folders)) {
        const QString path = QDir(folder).filePath(QStringLiteral("the user's [own] *file?.txt"));
        QFile file(path);
        QVERIFY2(file.open(QIODevice::NewOnly), qPrintable(path));
        file.write(path.toUtf8());
        foreign << path;
    }
    const Run first = uninstall();
    QVERIFY2(first.exitCode == 0, qPrintable(first.output));

    QStringList lost;
    for (const QString& path : std::as_const(foreign)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != path.toUtf8())
            lost << path;
    }
    QCOMPARE(lost, QStringList());
    QStringList left;
    for (const QString& path : std::as_const(installed)) {
        if (const QFileInfo entry(path); entry.exists() || entry.isSymLink())
            left << path;
    }
    QCOMPARE(left, QStringList());

    // Without the user's files in the way, the folders the install made go
    // too, but not the standard ones, the prefix or what is above it.
    for (const QString& path : std::as_const(foreign))
        QVERIFY(QFile::remove(path));
    const Run second = uninstall();
    QVERIFY2(second.exitCode == 0, qPrintable(second.output));
    const QDir scratch(scratch_.path());
    QStringList tree;
    for (const QString& path : entriesUnder(QFileInfo(prefix_).path()))
        tree << scratch.relativeFilePath(path);
    tree.sort();
    const QString prefix = scratch.relativeFilePath(prefix_);
    QStringList expected{prefix};
    for (const char* standard : {VANTREL_BINDIR, VANTREL_DATADIR, VANTREL_MANDIR})
        expected << prefix + QLatin1Char('/') + QLatin1String(standard);
    expected.sort();
    QCOMPARE(tree, expected);
}

QTEST_MAIN(TstInstall)
#include "tst_install.moc"
