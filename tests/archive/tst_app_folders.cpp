// The choice between the portable folder and the installed places.
#include "archive/app_folders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace archive;

Q_DECLARE_METATYPE(archive::FolderMode)

class AppFoldersTest : public QObject {
    Q_OBJECT
private slots:
    void choice_data();
    void choice();
    void shareFolderBesideTheProgramFolder();
    void slotsBesideTheProgramAreNamed_data();
    void slotsBesideTheProgramAreNamed();
    void userDataFolder_data();
    void userDataFolder();
    void dataFolderIsTheOwnersAlone();
};

void AppFoldersTest::choice_data()
{
    QTest::addColumn<QString>("sound");  // "dir", "file" or "" (none)
    QTest::addColumn<bool>("writable");
    QTest::addColumn<FolderMode>("mode");
    QTest::newRow("sound folder, writable") << "dir" << true << FolderMode::Portable;
    QTest::newRow("no sound folder") << "" << true << FolderMode::Installed;
    QTest::newRow("sound is a file") << "file" << true << FolderMode::Installed;
    QTest::newRow("sound folder, read-only") << "dir" << false << FolderMode::Installed;
}

void AppFoldersTest::choice()
{
    QFETCH(QString, sound);
    QFETCH(bool, writable);
    QFETCH(FolderMode, mode);
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("bin"));
    const QString share = root.filePath(QStringLiteral("share/lotto36x7"));
    const QString userData = root.filePath(QStringLiteral("home/.local/share/lotto36x7"));
    QDir().mkpath(program);
    if (sound == QLatin1String("dir"))
        QDir(program).mkdir(QStringLiteral("sound"));
    if (sound == QLatin1String("file")) {
        QFile f(QDir(program).filePath(QStringLiteral("sound")));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const auto allOwner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    if (!writable) {
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(program).isWritable()) {
            QFile::setPermissions(program, allOwner);
            QSKIP("this user (root) writes into read-only folders");
        }
    }

    const AppFolders folders = chooseFolders(program, share, userData);
    QFile::setPermissions(program, allOwner);

    QCOMPARE(folders.mode, mode);
    if (mode == FolderMode::Portable) {
        QCOMPARE(folders.data, program);
        QCOMPARE(folders.share, program);
        QVERIFY(!QFileInfo::exists(userData));
    } else {
        QCOMPARE(folders.data, userData);
        QCOMPARE(folders.share, share);
        QVERIFY2(!QFileInfo::exists(userData), "choosing creates nothing");
    }
}

void AppFoldersTest::shareFolderBesideTheProgramFolder()
{
    QCOMPARE(installedShareFolder(QStringLiteral("/usr/bin")),
             QStringLiteral("/usr/share/lotto36x7"));
}

void AppFoldersTest::slotsBesideTheProgramAreNamed_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("named");
    QTest::addColumn<QString>("reason");
    QTest::newRow("none") << QStringList{"low.txt", "t0.txt"} << QStringList() << "";
    QTest::newRow("slots and history")
        << QStringList{"Save00.txt", "Save03.txt", "t0.txt", "draws.txt"}
        << QStringList{"Save00.txt", "Save03.txt", "draws.txt"} << "程序文件夹里没有 sound 文件夹";
}

void AppFoldersTest::slotsBesideTheProgramAreNamed()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, named);
    QFETCH(QString, reason);
    QTemporaryDir program;
    for (const QString& name : files) {
        QFile f(program.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const AppFolders folders = chooseFolders(program.path(), "/share", "/home/u/.local/share/lotto36x7");
    QCOMPARE(folders.mode, FolderMode::Installed);
    QCOMPARE(folders.filesBesideProgram, named);
    QCOMPARE(folders.notPortableReason, reason);
    QCOMPARE(folders.programFolder, named.isEmpty() ? QString() : program.path());
}

void AppFoldersTest::userDataFolder_data()
{
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<QString>("folder");
    QTest::newRow("absolute") << "/data/u" << "/data/u/lotto36x7";
    QTest::newRow("unset") << "" << "/home/u/.local/share/lotto36x7";
    QTest::newRow("relative is ignored") << "data/u" << "/home/u/.local/share/lotto36x7";
    QTest::newRow("dot is ignored") << "." << "/home/u/.local/share/lotto36x7";
}

void AppFoldersTest::userDataFolder()
{
    QFETCH(QString, xdgDataHome);
    QFETCH(QString, folder);
    QCOMPARE(archive::userDataFolder(xdgDataHome, QStringLiteral("/home/u")), folder);
}

void AppFoldersTest::dataFolderIsTheOwnersAlone()
{
    QTemporaryDir root;
    QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                           | QFile::ReadGroup | QFile::ExeGroup);
    const QString folder = root.filePath(QStringLiteral("home/.local/share/lotto36x7"));
    QCOMPARE(createDataFolder(folder), QString());
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    for (const QString& made : {folder, root.filePath("home/.local/share"), root.filePath("home")})
        QCOMPARE(QFileInfo(made).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                 ownerOnly);
    // A folder that was there keeps its mode; making it again changes nothing.
    QVERIFY(QFileInfo(root.path()).permissions() & QFile::ReadGroup);
    QCOMPARE(createDataFolder(folder), QString());
}

QTEST_GUILESS_MAIN(AppFoldersTest)
#include "tst_app_folders.moc"
