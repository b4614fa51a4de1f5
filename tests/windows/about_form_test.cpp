#include "app/about_form.h"
#include "app/web_links.h"
#include "support/recording_platform.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class AboutFormTest : public QObject
{
    Q_OBJECT

private:
    RecordingPlatform recorder;
    std::unique_ptr<TAboutForm> form;

    QLabel *label(const QString &name) const { return form->findChild<QLabel *>(name); }

private Q_SLOTS:
    void init()
    {
        recorder.calls.clear();
        recorder.urlOpens = false; // as on a desktop without a browser
        form = std::make_unique<TAboutForm>();
        form->open();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void isAFixedWhiteWindow()
    {
        QCOMPARE(form->windowTitle(), u"O programie ..."_s);
        QCOMPARE(form->size(), QSize(511, 197));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!label(u"Image1"_s)->pixmap().isNull());
    }

    // Every text fits the window: nothing is cut off at its right or bottom edge.
    void textsFitTheWindow_data()
    {
        QTest::addColumn<QString>("name");
        for (int i = 1; i <= 11; ++i)
            QTest::newRow(qPrintable(u"Label%1"_s.arg(i))) << u"Label%1"_s.arg(i);
    }
    void textsFitTheWindow()
    {
        QFETCH(QString, name);
        QLabel *shown = label(name);
        QVERIFY(shown);
        QVERIFY(!shown->text().isEmpty());
        QVERIFY2(form->rect().contains(shown->geometry()),
                 qPrintable(u"%1 at %2,%3 is %4 x %5"_s.arg(name).arg(shown->x()).arg(shown->y()).arg(shown->width()).arg(shown->height())));
        QVERIFY(shown->width() >= shown->sizeHint().width());
        // Labels must not run under the OK button.
        const QRect button = form->findChild<QPushButton *>(u"BitBtn1"_s)->geometry();
        QVERIFY2(!shown->geometry().intersects(button), qPrintable(name));
    }

    void clickableElementsOpenTheirAddresses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QUrl>("address");
        QTest::newRow("picture") << u"Image1"_s << makerWebPage();
        QTest::newRow("general mail") << u"Label7"_s << QUrl(u"mailto:biuro@lorqa.example"_s);
        QTest::newRow("support mail") << u"Label8"_s << QUrl(u"mailto:pomoc@lorqa.example"_s);
        QTest::newRow("web page") << u"Label10"_s << QUrl(u"https://lorqa.example"_s);
    }
    void clickableElementsOpenTheirAddresses()
    {
        QFETCH(QString, name);
        QFETCH(QUrl, address);
        QLabel *element = label(name);
        QCOMPARE(element->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(element, Qt::LeftButton);
        // Nothing opened (the recorder says so), and nothing is reported.
        QCOMPARE(recorder.calls, QStringList{u"url: "_s + address.toString()});
        QVERIFY(form->isVisible());
    }

    void linkLabelsShowTheAddressTheyOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("general mail") << u"Label7"_s;
        QTest::newRow("support mail") << u"Label8"_s;
        QTest::newRow("web page") << u"Label10"_s;
    }
    void linkLabelsShowTheAddressTheyOpen()
    {
        QFETCH(QString, name);
        QTest::mouseClick(label(name), Qt::LeftButton);
        const QStringList urls = recorder.callsOf(u"url"_s);
        QCOMPARE(urls.size(), 1);
        QVERIFY(urls.constFirst().endsWith(label(name)->text()));
    }

    void otherTextsOpenNothing()
    {
        for (const QString &name : {u"Label2"_s, u"Label6"_s, u"Label9"_s})
            QTest::mouseClick(label(name), Qt::LeftButton);
        QTest::mouseClick(label(u"Image1"_s), Qt::RightButton);
        QVERIFY(recorder.callsOf(u"url"_s).isEmpty());
    }

    void okCloses()
    {
        QTest::mouseClick(form->findChild<QPushButton *>(u"BitBtn1"_s), Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Accepted));
    }

    void opensAgainAfterClosing()
    {
        form->BitBtn1Click();
        form->open();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTest::mouseClick(label(u"Label10"_s), Qt::LeftButton);
        QCOMPARE(recorder.callsOf(u"url"_s), QStringList{makerWebPage().toString()});
    }
};

QTEST_MAIN(AboutFormTest)
#include "about_form_test.moc"
