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
        QVERIFY2(QFileInfo(userData).isDir(), "the user's data folder is created");
    }
}

void AppFoldersTest::shareFolderBesideTheProgramFolder()
{
    QCOMPARE(installedShareFolder(QStringLiteral("/usr/bin")),
             QStringLiteral("/usr/share/lotto36x7"));
}

QTEST_GUILESS_MAIN(AppFoldersTest)
#include "tst_app_folders.moc"
