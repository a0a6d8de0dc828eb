#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace op {

class QelField;

// Subscription list of a linked source field: identities of the fields that follow it.
class LinkSubscriptions {
 public:
  const QStringList &ids() const { return ids_; }
  void add(const QString &id);     // no duplicates
  void remove(const QString &id);  // the last subscription with that identity

 private:
  QStringList ids_;
};

// Pushes a source's change into its followers: each identity is looked up in the source's live registry
// (missing fields are skipped) and handed to `push`; a failure is swallowed per follower. A field already on
// the current push chain is neither pushed again nor pushes onwards, so a stored cycle of links stops.
void pushToSubscribers(QelField &source, const QStringList &subscriberIds,
                       const std::function<void(QelField &subscriber)> &push);

// Subscribes `subscriberId` to the source with identity `sourceId` (through its IQELEvent); false when the
// source is missing or offers no subscriptions. Unsubscribing removes the subscription; failures are swallowed.
bool subscribeTo(const QelField &subscriber, const QString &sourceId);
void unsubscribeFrom(const QelField &subscriber, const QString &sourceId);

}  // namespace op
