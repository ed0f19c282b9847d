#pragma once
// The reply streams of the ten control links, kept by the window as a child object.
#include <QObject>

#include <array>

#include "core/Form1.h"
#include "core/protocol/ReplyStream.h"

class Form1::LinkIntake : public QObject {
 public:
  explicit LinkIntake(QObject* parent) : QObject(parent) {}
  // Stream k belongs to wsk_client(k); it starts afresh with every new connection.
  std::array<mosaic::ReplyStream, 10> streams;
};
