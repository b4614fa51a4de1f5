#include "core/support/fixtures.h"
#include "core/support/test_files.h"
#include "declaration/positions.h"
#include "files/declaration_file.h"
#include "files/ui/form_opcje.h"
#include "support/window_fixture.h"
#include "wizard/ui/form_kreator.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

bool isRoot() { return geteuid() == 0; }

bool run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A file or folder that a save cannot replace, with the old file in it.
// Root ignores permissions, so as root the faults come from the file system
// itself: a tmpfs (remounted read-only, or full) or the immutable mark.
// Everything is undone on destruction.
class Fault
{
public:
    Fault(const QString &kind, const QString &base, const QByteArray &oldBytes)
    {
        const QString folder = base + u"/"_s + kind;
        QDir().mkpath(folder);
        path = folder + u"/cel.vat"_s;
        if (kind == u"folder"_s) {
            path = folder + u"/cel"_s;
            QDir().mkpath(path);
            ready = true;
        } else if (kind == u"read-only folder"_s) {
            if (isRoot()) {
                ready = mount(folder, u"size=1m"_s) && write(oldBytes)
                        && run(u"mount"_s, {u"-o"_s, u"remount,ro"_s, folder});
            } else {
                ready = write(oldBytes) && QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
                m_restoreFolder = folder;
            }
        } else if (kind == u"read-only file"_s) {
            ready = write(oldBytes);
            if (isRoot()) {
                ready = ready && run(u"chattr"_s, {u"+i"_s, path});
                m_immutable = ready;
                reason = u"chattr +i does not work here"_s;
            } else {
                ready = ready && QFile::setPermissions(path, QFile::ReadOwner);
            }
        } else if (kind == u"full disk"_s) {
            reason = u"a full disk needs a tmpfs, which only root mounts"_s;
            if (isRoot() && mount(folder, u"size=256k"_s) && write(oldBytes)) {
                // dd ends with "No space left on device", as it should.
                run(u"dd"_s, {u"if=/dev/zero"_s, u"of="_s + folder + u"/filler"_s, u"bs=4k"_s});
                ready = QFileInfo(folder + u"/filler"_s).size() > 0;
            }
        }
        if (!ready && reason.isEmpty())
            reason = u"the fault could not be set up in "_s + folder;
    }

    ~Fault()
    {
        if (m_immutable)
            run(u"chattr"_s, {u"-i"_s, path});
        if (!m_restoreFolder.isEmpty())
            QFile::setPermissions(m_restoreFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!m_mountPoint.isEmpty())
            run(u"umount"_s, {m_mountPoint});
    }

    // What stands at the path now, to be compared before and after.
    QByteArray state() const
    {
        const QFileInfo info(path);
        if (info.isDir())
            return "folder: " + QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(u' ').toUtf8();
        return readAll(path);
    }

    QString path;
    bool ready = false;
    QString reason;

private:
    bool mount(const QString &folder, const QString &options)
    {
        if (!run(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, options, u"tmpfs"_s, folder}))
            return false;
        m_mountPoint = folder;
        return true;
    }
    bool write(const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    }

    QString m_mountPoint;
    QString m_restoreFolder;
    bool m_immutable = false;
};

// The wizard opened over the main window, without blocking.
struct WizardOver
{
    explicit WizardOver(WindowFixture &f) : wizard(*f.window, f.window.get())
    {
        f.window->setWizard(&wizard);
        wizard.show();
        QApplication::setActiveWindow(&wizard);
        if (!QTest::qWaitForWindowActive(&wizard))
            qWarning("the wizard did not become active");
    }
    TFormKreator wizard;
};

QStringList errorsIn(const QStringList &calls)
{
    QStringList out;
    for (const QString &c : calls)
        if (c.startsWith(u"error: "_s))
            out.append(c.mid(7));
    return out;
}

QStringList allTexts(FieldAccess &fields)
{
    QStringList out;
    for (const Position &p : positions())
        if (p.holdsText())
            out.append(fields.text(p.name));
        else if (p.kind != PositionKind::Choice)
            out.append(QString::number(fields.isChecked(p.name)));
        else if (p.name != u"p_7"_s) // the wizard's p_7 is a pair of radio buttons
            out.append(QString::number(fields.index(p.name)));
    return out;
}

} // namespace

class FileFaultsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_case = 0;

    QString freshFolder()
    {
        const QString folder = m_dir.filePath(QString::number(++m_case));
        QDir().mkpath(folder);
        return folder;
    }

    // Runs one save command of the windows; the platform answers its dialog
    // with `path`. Returns the recorder's calls.
    QStringList save(WindowFixture &f, WizardOver *w, TFormOpcje *options, const QString &command,
                     const QString &path)
    {
        f.recorder.calls.clear();
        f.recorder.fileNames = {path};
        if (command == u"Opcje"_s) {
            options->setSettingsPath(path);
            options->EditX->setText(u"12"_s);
            QTest::mouseClick(options->ButtonOK, Qt::LeftButton);
        } else if (command == u"ButtonSaveDane"_s) {
            QTest::mouseClick(w->wizard.findChild<QPushButton *>(command), Qt::LeftButton);
        } else if (command == u"Zakończ"_s) {
            f.recorder.okCancelAnswers = {true};
            QTest::mouseClick(w->wizard.ButtonNext, Qt::LeftButton);
        } else {
            f.trigger(command);
        }
        return f.recorder.calls;
    }

private Q_SLOTS:
    // A save that cannot be written shows the write error, leaves what stood
    // at the path as it was, and the same command then saves elsewhere.
    void saveFails_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("saved"); // the message after a save that worked
        for (const QString &fault : {u"read-only folder"_s, u"folder"_s, u"read-only file"_s, u"full disk"_s}) {
            const auto row = [&](const QString &command) -> QTestData & {
                return QTest::addRow("%s, %s", qPrintable(fault), qPrintable(command)) << fault << command;
            };
            row(u"Zapiszdane1"_s) << u"Dane zostały zapisane"_s;
            row(u"Zapiszdeklaracje1"_s) << u"Deklaracja została zapisana"_s;
            row(u"ButtonSaveDane"_s) << u"Dane zostały zapisane"_s;
            row(u"Zakończ"_s) << u"Deklaracja została zapisana"_s;
            row(u"Opcje"_s) << QString(); // the dialog closes, silently
        }
    }
    void saveFails()
    {
        QFETCH(QString, fault);
        QFETCH(QString, command);
        QFETCH(QString, saved);
        const QString folder = freshFolder();
        TDeklaracja old = validDeclaration();
        old.setText(u"p_9"_s, u"Stara deklaracja"_s);
        ZapiszDeklaracje(old, folder + u"/old.vat"_s);
        const Fault target(fault, folder, readAll(folder + u"/old.vat"_s));
        if (!target.ready)
            QSKIP(qPrintable(target.reason));
        const QByteArray before = target.state();

        WindowFixture f;
        f.fillValidDeclaration();
        std::unique_ptr<WizardOver> w;
        std::unique_ptr<TFormOpcje> options;
        if (command == u"ButtonSaveDane"_s || command == u"Zakończ"_s) {
            w = std::make_unique<WizardOver>(f);
            copyPositions(*f.window, w->wizard.fields());
            if (command == u"Zakończ"_s)
                while (w->wizard.currentPage() != 8)
                    QTest::mouseClick(w->wizard.ButtonNext, Qt::LeftButton);
            QCOMPARE(w->wizard.fields().text(u"p_1"_s), u"1234563218"_s);
        } else if (command == u"Opcje"_s) {
            options = std::make_unique<TFormOpcje>(f.window.get());
            options->setSettingsPath(folder + u"/opcje.ini"_s);
            options->show();
            options->CheckWydrukNaOrg->setChecked(true);
        }

        const QStringList calls = save(f, w.get(), options.get(), command, target.path);
        QCOMPARE(errorsIn(calls), QStringList{u"Unable to write to "_s + target.path});
        QVERIFY2(!calls.join(u'\n').contains(u"message: "_s), qPrintable(calls.join(u'\n')));
        QCOMPARE(target.state(), before);
        if (w)
            QVERIFY(w->wizard.isVisible());
        if (options)
            QVERIFY(options->isVisible());
        QCOMPARE(f.window->text(u"p_1"_s), u"1234563218"_s);

        // Still usable: the same command saves into a folder that takes it.
        const QString good = folder + u"/dobry.vat"_s;
        const QStringList again = save(f, w.get(), options.get(), command, good);
        QCOMPARE(errorsIn(again), QStringList());
        QVERIFY(QFile::exists(good));
        if (!saved.isEmpty())
            QCOMPARE(again.filter(u"message: "_s), QStringList{u"message: "_s + saved});
        if (options)
            QVERIFY(!options->isVisible());
    }

    // The file chosen in the open dialog is gone or no longer ours when it is
    // read: a message naming it, and nothing on screen changes.
    void chosenFileChanges_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("command");
        for (const QString &change : {u"deleted"_s, u"now a folder"_s, u"now another file"_s, u"grown over 16 MiB"_s})
            for (const QString &command : {u"Wczytajdane1"_s, u"Wczytajdeklaracje1"_s, u"ButtonLoad"_s, u"ButtonLoadDane"_s})
                QTest::addRow("%s, %s", qPrintable(change), qPrintable(command)) << change << command;
    }
    void chosenFileChanges()
    {
        QFETCH(QString, change);
        QFETCH(QString, command);
        const QString folder = freshFolder();
        const QString path = folder + u"/wybrany.vat"_s;
        TDeklaracja chosen = validDeclaration();
        chosen.setText(u"p_9"_s, u"Z pliku"_s);
        ZapiszDeklaracje(chosen, path);

        WindowFixture f;
        f.fillValidDeclaration();
        f.window->setText(u"p_25"_s, u"700"_s);
        std::unique_ptr<WizardOver> w;
        FieldAccess *fields = f.window.get();
        if (command.startsWith(u"Button"_s)) {
            w = std::make_unique<WizardOver>(f);
            copyPositions(*f.window, w->wizard.fields());
            fields = &w->wizard.fields();
        }
        const QStringList before = allTexts(*fields);

        // What happens between the dialog's answer and the reading.
        QVERIFY(QFile::remove(path));
        if (change == u"now a folder"_s) {
            QVERIFY(QDir().mkpath(path));
        } else if (change == u"now another file"_s) {
            writeAll(path, "Ten plik nadpisał inny program.\r\n");
        } else if (change == u"grown over 16 MiB"_s) {
            QFile big(path);
            QVERIFY(big.open(QIODevice::WriteOnly));
            QVERIFY(big.resize(16 * 1024 * 1024 + 1));
        }
        f.recorder.fileNames = {path};
        f.recorder.calls.clear();
        if (w)
            QTest::mouseClick(w->wizard.findChild<QPushButton *>(command), Qt::LeftButton);
        else
            f.trigger(command);

        const QStringList errors = errorsIn(f.recorder.calls);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().contains(u"„"_s + QDir::toNativeSeparators(path) + u"”"_s), qPrintable(errors.first()));
        QCOMPARE(allTexts(*fields), before);
        if (w) {
            QVERIFY(w->wizard.isVisible());
            QVERIFY(!w->wizard.LabelPath->isVisible());
        }
    }
};

QTEST_MAIN(FileFaultsTest)
#include "file_faults_test.moc"
