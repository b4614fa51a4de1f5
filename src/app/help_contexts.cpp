#include "app/help_contexts.h"

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
    {92, u""}, // the fields and the next-page buttons of pages 2 and 3
    {21, u""}, // the next-page button of page 1
};

struct NamedTopic
{
    QStringView name;
    QStringView command;
};

constexpr NamedTopic namedTopics[] = {
    {u"Objasnienia", u"hh lorqak(6).chm::/objasnienia_naglowek.htm"},
    {u"Ustawaopodatkuodtowarowi", u"hh lorqak(6).chm::/ustawaopodatkuodtowarowi.htm"},
    {u"Oprogramie", u"hh lorqak(6).chm::/oprogramie.htm"},
};

} // namespace

QString helpCommandForContext(int context)
{
    for (const ContextTopic &topic : contextTopics) {
        if (topic.context == context)
            return u"hh lorqa(12).chm"_s + topic.pageReference.toString();
    }
    return {};
}

QString helpCommandForTopic(const QString &topicName)
{
    for (const NamedTopic &topic : namedTopics) {
        if (topic.name.compare(topicName, Qt::CaseInsensitive) == 0)
            return topic.command.toString();
    }
    return {};
}
