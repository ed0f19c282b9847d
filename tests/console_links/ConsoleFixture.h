#pragma once
// A console window with a scripted prompter, and the device list set up as a device
// search would leave it.
#include <gtest/gtest.h>

#include <QStringList>

#include <memory>

#include "ScriptedPrompter.h"
#include "core/Form1.h"

class ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override { window = std::make_unique<Form1>(&prompter); }

  // Entries with MACs unit_mac(0..), addresses `ips`; entry `selected` chosen (-1: none).
  void set_units(const QStringList& ips, int selected);
  // "Connect" pressed; returns once the connect has ended.
  void connect_units();
  // The window is in the disconnected state of the link-loss routine.
  void expect_disconnected_state() const;

  ScriptedPrompter prompter;
  std::unique_ptr<Form1> window;
};
