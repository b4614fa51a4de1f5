#pragma once

#include "declaration/declaration.h"

#include <QMap>
#include <QString>

// A compact way to write amounts in a test row: "25=100 27=1000 63=".
QMap<int, QString> amounts(const QString &list);

// Sets each amount of the map; the rest stay as they are.
void setAmounts(FieldAccess &fields, const QMap<int, QString> &values);

// A declaration that passes every check: header, signatory and date filled,
// no amounts.
TDeklaracja validDeclaration();

// Every amount after a run: those of `expected`, the rest as in `input`.
// Fails the running test at the first that differs, naming it.
void compareAmounts(const FieldAccess &fields, const QMap<int, QString> &input,
                    const QMap<int, QString> &expected);
