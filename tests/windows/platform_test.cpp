#include "windows/platform.h"
#include "support/window_fixture.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The Qt side of the platform seam: the boxes the user sees.
class PlatformTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boxesAreTitledLorqaWithOneOk_data()
    {
        QTest::addColumn<bool>("error");
        QTest::newRow("message") << false;
        QTest::newRow("error") << true;
    }
    void boxesAreTitledLorqaWithOneOk()
    {
        QFETCH(bool, error);
        setPlatform(nullptr);
        QString title, text;
        QStringList buttons;
        const bool shown = answerModal(
            [&](QWidget *w) {
                auto *box = qobject_cast<QMessageBox *>(w);
                QVERIFY(box);
                title = box->windowTitle();
                text = box->text();
                for (QAbstractButton *b : box->buttons())
                    buttons.append(b->text().remove(u'&'));
                box->accept();
            },
            [&] {
                if (error)
                    platform().showError(nullptr, u"'x' is not a valid integer value"_s);
                else
                    platform().showMessage(nullptr, u"Pola zostały wyliczone"_s);
            });
        QVERIFY(shown);
        QCOMPARE(title, u"Lorqa"_s);
        QCOMPARE(text, error ? u"'x' is not a valid integer value"_s : u"Pola zostały wyliczone"_s);
        QCOMPARE(buttons, QStringList{u"OK"_s});
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
