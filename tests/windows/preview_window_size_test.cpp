#include "printing/ui/preview_window_size.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QTest>

#include <memory>

class PreviewWindowSizeTest : public QObject
{
    Q_OBJECT

    QPrinter m_printer{QPrinter::HighResolution};

    std::unique_ptr<QPrintPreviewDialog> openPreview()
    {
        auto preview = std::make_unique<QPrintPreviewDialog>(&m_printer);
        sizePreviewForReading(*preview);
        preview->show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(preview.get());
        return preview;
    }

private Q_SLOTS:
    // Qt's own preview opens small with the whole page in view, too small
    // to read a value.
    void opensTallWithThePageFittedToItsWidth()
    {
        const auto preview = openPreview();
        const QRect available = preview->screen()->availableGeometry();
        QVERIFY2(preview->height() >= available.height() * 8 / 10,
                 qPrintable(QStringLiteral("%1 of %2").arg(preview->height()).arg(available.height())));
        QVERIFY(available.contains(preview->geometry()));
        const auto *view = preview->findChild<QPrintPreviewWidget *>();
        QVERIFY(view);
        QCOMPARE(view->zoomMode(), QPrintPreviewWidget::FitToWidth);
    }

    // A preview resized by the user leaves the next one as it would open anyway.
    void remembersNothing()
    {
        QSize first;
        {
            const auto preview = openPreview();
            first = preview->size();
            preview->resize(300, 200);
            preview->findChild<QPrintPreviewWidget *>()->fitInView();
        }
        const auto again = openPreview();
        QCOMPARE(again->size(), first);
        QCOMPARE(again->findChild<QPrintPreviewWidget *>()->zoomMode(), QPrintPreviewWidget::FitToWidth);
    }
};

QTEST_MAIN(PreviewWindowSizeTest)
#include "preview_window_size_test.moc"
