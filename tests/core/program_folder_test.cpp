#include "files/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

class ProgramFolderTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_own;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(u"Lorqa"_s);
        m_own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(!m_own.isEmpty());
    }

    // Where opcje.ini and dane/ go: beside a build's or a portable copy's
    // executable, but never into an installed tree, even one that the user
    // (root) could write.
    void folderOfTheProgram_data()
    {
        QTest::addColumn<QStringList>("folders"); // made below the temporary folder
        QTest::addColumn<QString>("executable");  // the executable's folder in it
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("beside");         // true: the executable's folder

        QTest::newRow("a build") << QStringList{u"build/bin"_s} << u"build/bin"_s << false << true;
        QTest::newRow("a portable copy") << QStringList{u"pendrive/Lorqa"_s} << u"pendrive/Lorqa"_s << false
                                         << true;
        QTest::newRow("installed, writable") << QStringList{u"usr/bin"_s, u"usr/share/lorqa"_s} << u"usr/bin"_s
                                             << false << false;
        QTest::newRow("a share folder of other programs only")
            << QStringList{u"opt/bin"_s, u"opt/share/other"_s} << u"opt/bin"_s << false << true;
        QTest::newRow("not writable") << QStringList{u"ro/bin"_s} << u"ro/bin"_s << true << false;
    }
    void folderOfTheProgram()
    {
        QFETCH(QStringList, folders);
        QFETCH(QString, executable);
        QFETCH(bool, readOnly);
        QFETCH(bool, beside);
        if (readOnly && geteuid() == 0)
            QSKIP("root may write into any folder");

        for (const QString &folder : folders)
            QVERIFY(QDir(m_dir.path()).mkpath(folder));
        const QString folder = m_dir.filePath(executable);
        if (readOnly)
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

        QDir(m_own).removeRecursively();
        const QString chosen = programFolderFor(folder);
        if (readOnly)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(chosen, beside ? folder : m_own);
        // The user's own folder is made ready for the file dialogs.
        if (!beside)
            QVERIFY(QFileInfo(m_own + u"/dane"_s).isDir());
        // Beside the executable nothing is created up front.
        if (beside)
            QVERIFY(!QFileInfo::exists(folder + u"/dane"_s));
    }

    void cleanupTestCase() { QDir(m_own).removeRecursively(); }
};

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "program_folder_test.moc"
