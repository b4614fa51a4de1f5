// How long the files take at their worst: a file just under the size limit
// made of many short lines, and a whole declaration saved and loaded.
#include "declaration/calculation.h"
#include "declaration/declaration.h"
#include "files/declaration_file.h"
#include "files/ini_document.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class FilesBench : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void loadLargestFile()
    {
        const QString path = m_dir.filePath(u"large.vat"_s);
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QByteArray line = "[dane]\r\n";
            while (f.size() + line.size() < IniDocument::MaxFileSize) {
                f.write(line);
                line = "klucz" + QByteArray::number(f.size() % 100000) + "=wartosc\r\n";
            }
        }
        TDeklaracja d;
        QBENCHMARK_ONCE {
            WczytajDeklaracje(d, path);
        }
    }

    void saveLoadCalculate()
    {
        const QString path = m_dir.filePath(u"one.vat"_s);
        TDeklaracja d;
        d.setText(u"p_29"_s, u"123456"_s);
        QBENCHMARK {
            PoliczPola(d);
            ZapiszDeklaracje(d, path);
            WczytajDeklaracje(d, path);
        }
    }
};

QTEST_GUILESS_MAIN(FilesBench)
#include "files_bench.moc"
