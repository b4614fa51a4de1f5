#include "windows/help_topics.h"

#include "windows/platform.h"

using namespace Qt::Literals::StringLiterals;

namespace {

struct ContextTopic
{
    int context;
    QStringView pageReference; // inside "lorqa(12).chm"; empty: the start page
};

constexpr ContextTopic contextTopics[] = {
    {1001, u"::/dzialx_rozdzial3.htm#podsumowujace"},
    {129, u"::/dzialxii_rozdzial6.htm#art.129."},
    {33, u"::/dzialvii.htm#ustawa_o_podatku"},
    {1002, u"::/dzialv_rozdzial3.htm#uslugi"},
    {1, u"::/dzialii_rozdzial4.htm#5."},
    {1034, u"::/dzialx_rozdzial4.htm#4."},
    {2, u"::/dzialxii_rozdzial1.htm#5."},
    {4, u"::/dzialxii_rozdzial3.htm#art.119."},
    {5, u"::/dzialxii_rozdzial4.htm#4."},
    {6, u"::/dzialxii_rozdzial5.htm#art.122"},
    {7, u"::/dzialxii_rozdzial8.htm#art.136"},
    {FieldHelpContext, u""},
    {FirstPageHelpContext, u""},
};

const ContextTopic *findContext(int context)
{
    for (const ContextTopic &topic : contextTopics)
        if (topic.context == context)
            return &topic;
    return nullptr;
}

bool oldSystem(Platform &platform)
{
    return platform.systemMajorVersion() < 6;
}

} // namespace

QString helpPageOfContext(int context)
{
    const ContextTopic *topic = findContext(context);
    return topic ? topic->pageReference.toString() : QString();
}

bool isHelpContext(int context)
{
    return findContext(context) != nullptr;
}

const std::array<HelpMenuEntry, 3> &helpMenuEntries()
{
    static const std::array<HelpMenuEntry, 3> entries{{
        {u"Objanienia1"_s, u"Objaśnienia"_s, u"Objasnienia"_s,
         u"hh lorqak(6).chm::/objasnienia_naglowek.htm"_s},
        {u"UstawaoVat1"_s, u"Ustawa o Vat "_s, u"Ustawaopodatkuodtowarowi"_s,
         u"hh lorqak(6).chm::/ustawaopodatkuodtowarowi.htm"_s},
        {u"Pomoc2"_s, u"Pomoc"_s, u"Oprogramie"_s, u"hh lorqak(6).chm::/oprogramie.htm"_s},
    }};
    return entries;
}

QString helpCommandLine(const QString &pageReference)
{
    return u"hh "_s + FormHelpFile + pageReference;
}

void showHelpTopic(Platform &platform, int context, const QString &pageReference)
{
    if (oldSystem(platform)) {
        platform.showHelpContext(ApplicationHelpFile, context);
        return;
    }
    platform.startHelp(helpCommandLine(pageReference));
}

void showHelpMenuEntry(Platform &platform, const HelpMenuEntry &entry)
{
    if (oldSystem(platform))
        platform.showHelpTopic(ApplicationHelpFile, entry.topic);
    else
        platform.startHelp(entry.command);
}

void showContextHelp(Platform &platform, int helpContext)
{
    platform.showHelpContext(ApplicationHelpFile, helpContext);
}

QString helpCommandForContext(int context)
{
    return isHelpContext(context) ? helpCommandLine(helpPageOfContext(context)) : QString();
}

QString helpCommandForTopic(const QString &topicName)
{
    for (const HelpMenuEntry &entry : helpMenuEntries()) {
        if (entry.topic.compare(topicName, Qt::CaseInsensitive) == 0)
            return entry.command;
    }
    return {};
}
