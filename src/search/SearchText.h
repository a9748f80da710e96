// Texts of a search: keyword splitting, tag normalising, the tag and group conditions, and the
// parser that reads a short search text as keywords or a numeric range.
#pragma once

#include <QString>
#include <QStringList>

// The value that marks an unset range bound.
constexpr double NoRangeValue = 99999;

// A list read with comma-separated-values rules: items end at `delimiter` or at a blank (any
// character up to and including space); an item that starts with a double quote runs to the
// matching quote and may hold blanks and delimiters, a doubled quote standing for one; two
// delimiters in a row give an empty item.
QStringList SplitDelimited(const QString& text, QChar delimiter);
// The reverse for a comma list: items joined by ",", an item that is empty or holds blanks,
// commas or double quotes enclosed in double quotes with its quotes doubled.
QString JoinDelimited(const QStringList& items);

// The first three comma-separated keywords, each trimmed (missing ones empty).
struct TKeywords {
    QString K1, K2, K3;
};
TKeywords SplitKeywords(const QString& text);

// "war , peace,, " → "war, peace, ": every tag trimmed, without quotes, "@" or "%", followed by
// a comma and a space.
QString NormaliseTags(const QString& text);
// " and ( ( str1 like '%war, %' ) or ... ) ", or empty when there is no tag.
QString TagsClause(const QString& tags);
// " and ((B.Name = 'A') or (B.Name = 'B')) ", or empty for no groups; quotes in names doubled.
QString GroupsClause(const QStringList& groups);

// Every single quote doubled, so the text can stand inside an SQL string.
QString QuoteDoubled(const QString& text);

// The word without one trailing "s" or "S".
QString StripPlural(const QString& word);

// Reads a search text. A numeric range ("1914 - 1918", "1914-1918", "1066") fills `low` and
// `high` where they are still NoRangeValue and returns true; other texts give their keywords
// with plural endings removed ("battles of wars" → "battle of war") and return false.
bool ParseSearchText(const QString& text, QString& keywords, double& low, double& high);

// The title text of a search made in the search dialog: "Search: " followed by the criteria
// given ("\"war\", (description) \"peace\", date range, group(s)"); empty for none.
QString SearchDescription(const QString& nameText, const QString& descText,
                          const QStringList& groups, bool rangeUsed);

// Centimetres shown for a pixel position and back, at the screen's resolution (dots per inch;
// 0 takes the primary screen's).
double PixelsToCm(int pixels, double dpi = 0);
int CmToPixels(double cm, double dpi = 0);
