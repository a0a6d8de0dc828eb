#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Chinese captions and hints of published properties for the designer's property inspector.
// Property names are compared case-insensitively.
namespace op::captions {

// The caption of `propertyName`, or the name itself when it has none.
QString propertyCaption(const QString &propertyName);
// The hint shown under the inspector; empty when there is none.
QString propertyHint(const QString &propertyName);
// True for persisted properties the inspector does not list.
bool isPropertyHidden(const QString &propertyName);

// Role numbers (DbStoreFlag) with the designer's captions, in the order the designer offers them.
QList<QPair<int, QString>> dbStoreFlagChoices();
// The caption of a role number; empty for -1 and unknown numbers.
QString dbStoreFlagCaption(int flag);

}  // namespace op::captions
