#pragma once

#include <QString>

// The template settings (custom data) document: under the skeleton's root one empty element per key,
// named by the key in upper case, with a single VALUE attribute. Parse failures are swallowed: the
// operations then return their input unchanged (get returns empty).
namespace op::settingsdoc {

// Appends an element for `key` (upper-cased) holding `value`, upper-cased when `upperCase` is set.
// Setting a key twice adds a second element. A text without a root element is returned unchanged.
QString setValue(const QString &text, const QString &key, const QString &value, bool upperCase);

// VALUE of the first element named `key` (any letter case); empty when absent. The parsed form of the
// most recently read text is kept, so reading one template's settings key by key parses it once.
QString getValue(const QString &text, const QString &key);

// Sets the upper-cased value on the first element named `key` (any case); unchanged text when none matches.
QString updateValue(const QString &text, const QString &key, const QString &value);

}  // namespace op::settingsdoc
