#pragma once

#include "app/profile_settings.h"

// Answers the COM-port question with a fixed index and counts how often it was asked.
class ScriptedComPortChooser : public ComPortChooser {
  public:
    explicit ScriptedComPortChooser(int answerIndex = 0) : answer(answerIndex) {}
    int ChooseComPort() override {
        ++asked;
        return answer;
    }

    int answer;
    int asked = 0;
};
