#pragma once
// Stands in for the console's message boxes: records every box and answers questions
// from a script (No once the script is used up). A hook can act while a box is "open".
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

#include "core/Prompter.h"

struct ShownBox {
  BoxIcon icon;
  QString text;
};

class ScriptedPrompter : public Prompter {
 public:
  BoxAnswer show(BoxIcon icon, const QString& text) override {
    boxes.push_back({icon, text});
    if (on_show) on_show(boxes.back());
    if (icon != BoxIcon::Question) return BoxAnswer::Ok;
    if (answers.empty()) return BoxAnswer::No;
    const BoxAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  QStringList texts() const {
    QStringList list;
    for (const ShownBox& box : boxes) list << box.text;
    return list;
  }

  std::vector<ShownBox> boxes;
  std::deque<BoxAnswer> answers;
  std::function<void(const ShownBox&)> on_show;
};
