#include "document/links.h"

#include <QSet>

#include "document/control_registry.h"
#include "document/field.h"
#include "document/interfaces.h"

namespace op {

void LinkSubscriptions::add(const QString &id) {
  if (!ids_.contains(id)) ids_.append(id);
}

void LinkSubscriptions::remove(const QString &id) {
  const qsizetype index = ids_.lastIndexOf(id);
  if (index >= 0) ids_.removeAt(index);
}

namespace {

// Fields whose change is being pushed right now, outermost first.
QSet<const QelField *> &pushChain() {
  static QSet<const QelField *> chain;
  return chain;
}

class ChainEntry {
 public:
  explicit ChainEntry(const QelField &field) : field_(field) { pushChain().insert(&field_); }
  ~ChainEntry() { pushChain().remove(&field_); }

 private:
  const QelField &field_;
};

ControlRegistry &registryOf(const QelField &field) {
  return field.registry() ? *field.registry() : currentRegistry();
}

IQELEvent *eventsOf(QelField *field) {
  IQELElment *element = query<IQELElment>(field);
  return element ? query<IQELEvent>(element->GetDesign()) : nullptr;
}

}  // namespace

void pushToSubscribers(QelField &source, const QStringList &subscriberIds,
                       const std::function<void(QelField &subscriber)> &push) {
  if (pushChain().contains(&source)) return;
  ChainEntry entry(source);
  const QStringList ids = subscriberIds;  // a push may change the list
  for (const QString &id : ids) {
    QelField *subscriber = registryOf(source).findById(id);
    if (!subscriber || pushChain().contains(subscriber)) continue;
    try {
      push(*subscriber);
    } catch (...) {
      // a follower that fails does not stop the others
    }
  }
}

bool subscribeTo(const QelField &subscriber, const QString &sourceId) {
  IQELEvent *events = eventsOf(registryOf(subscriber).findById(sourceId));
  if (!events) return false;
  events->AddEvent(subscriber.GetID());
  return true;
}

void unsubscribeFrom(const QelField &subscriber, const QString &sourceId) {
  if (sourceId.trimmed().isEmpty()) return;
  try {
    if (IQELEvent *events = eventsOf(registryOf(subscriber).findById(sourceId))) events->DelEvent(subscriber.GetID());
  } catch (...) {
  }
}

}  // namespace op
