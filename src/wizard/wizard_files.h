#pragma once

#include <QString>

class FieldAccess;

// The wizard's files: the same key tables, readers and writers as the main
// window's, on the wizard's fields, plus what the wizard derives after
// reading a declaration.

// Reads a declaration file into the wizard (its purpose into the radio pair,
// the requests through the boxes, so their rules run), then rebuilds
// p_56_temp and derives the questions.
void WczytajDeklaracjeKreator(FieldAccess &fields, const QString &path);
void WczytajDaneKreator(FieldAccess &fields, const QString &path);
void ZapiszDaneKreator(const FieldAccess &fields, const QString &path);

// p_56_temp := p_56 + p_59, empty when that is 0. When either is not a whole
// number the sum cannot be made: p_56_temp takes p_56's text, and the
// computation reports the text when it converts it.
void rebuildCashRegisters(FieldAccess &fields);
// Each question ticked exactly when one of its positions is filled.
void deriveQuestions(FieldAccess &fields);
