#pragma once

class FieldAccess;

// The calculation command: taxes of the rate rows, the three totals, the tax
// to pay or the surplus, and the split of the surplus into refund terms and
// carry-forward. Each step reads a position when it needs it, so a later step
// sees what an earlier one wrote. A text that is not a whole number throws
// ConversionError; what was written before stays.
void PoliczPola(FieldAccess &fields);
