#include "support/recording_platform.h"

using namespace Qt::Literals::StringLiterals;

RecordingPlatform::RecordingPlatform()
{
    setPlatform(this);
}

RecordingPlatform::~RecordingPlatform()
{
    setPlatform(nullptr);
}

QStringList RecordingPlatform::callsOf(const QString &kind) const
{
    const QString prefix = kind + u": "_s;
    QStringList out;
    for (const QString &c : calls)
        if (c.startsWith(prefix))
            out.append(c.mid(prefix.size()));
    return out;
}

QString RecordingPlatform::nextFileName()
{
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

void RecordingPlatform::showMessage(QWidget *, const QString &text)
{
    calls.append(u"message: "_s + text);
}

void RecordingPlatform::showError(QWidget *, const QString &text)
{
    calls.append(u"error: "_s + text);
}

bool RecordingPlatform::askOkCancel(QWidget *, const QString &title, const QString &text)
{
    calls.append(u"ask: "_s + title + u'|' + text);
    return okCancelAnswers.isEmpty() ? false : okCancelAnswers.takeFirst();
}

QString RecordingPlatform::openFileName(QWidget *, const QString &folder, const QString &filter)
{
    calls.append(u"open: "_s + folder + u'|' + filter);
    return nextFileName();
}

QString RecordingPlatform::saveFileName(QWidget *, const QString &folder, const QString &filter,
                                        const QString &defaultSuffix)
{
    calls.append(u"save: "_s + folder + u'|' + filter + u'|' + defaultSuffix);
    return nextFileName();
}

bool RecordingPlatform::startHelp(const QString &commandLine)
{
    calls.append(u"help: "_s + commandLine);
    return true;
}

bool RecordingPlatform::openUrl(const QUrl &url)
{
    calls.append(u"url: "_s + url.toString());
    return urlOpens;
}

QDate RecordingPlatform::today()
{
    return todayIs;
}

void RecordingPlatform::pause(int milliseconds)
{
    calls.append(u"pause: "_s + QString::number(milliseconds));
}

int RecordingPlatform::systemMajorVersion()
{
    return majorVersion;
}

void RecordingPlatform::showHelpContext(const QString &helpFile, int context)
{
    calls.append(u"show context %1 of %2"_s.arg(context).arg(helpFile));
}

void RecordingPlatform::showHelpTopic(const QString &helpFile, const QString &topic)
{
    calls.append(u"show topic %1 of %2"_s.arg(topic, helpFile));
}
