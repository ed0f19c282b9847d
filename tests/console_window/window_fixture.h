#pragma once
// A freshly started window with a prompter that records every box and answers as told.
#include <QComboBox>
#include <QString>
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <utility>
#include <vector>

#include "core/Form1.h"

class ScriptedPrompter : public Prompter {
 public:
  BoxAnswer show(BoxIcon icon, const QString& text) override {
    shown.emplace_back(icon, text);
    if (answers.empty()) return icon == BoxIcon::Question ? BoxAnswer::No : BoxAnswer::Ok;
    const BoxAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<std::pair<BoxIcon, QString>> shown;
  std::deque<BoxAnswer> answers;
};

class WindowTest : public testing::Test {
 protected:
  WindowTest() : window(std::make_unique<Form1>(&prompter)) {}

  template <typename T = QWidget>
  T* control(const char* name) const {
    return window->findChild<T*>(QLatin1String(name));
  }

  ScriptedPrompter prompter;
  std::unique_ptr<Form1> window;
};
