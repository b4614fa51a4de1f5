#pragma once

#include "printing/page_composition.h"

// Page 1 of the printed form: NIP, period, tax office, purpose, kind of
// taxpayer, name and address, and positions 20 to 44.
class Tlorqa_str1 : public PageComposition
{
public:
    Tlorqa_str1();

    // The print command puts the NIP here before composing; the composition
    // itself only spaces it, so it must stay a fixed point of the spacing.
    void setNip(const QString &nip);

    void str1BeforePrint(const FieldAccess &fields);
    void beforePrint(const FieldAccess &fields) override { str1BeforePrint(fields); }
};

// Page 2: positions 45 to 76.
class Tlorqa_str2 : public PageComposition
{
public:
    Tlorqa_str2();

    void str2BeforePrint(const FieldAccess &fields);
    void beforePrint(const FieldAccess &fields) override { str2BeforePrint(fields); }
};
