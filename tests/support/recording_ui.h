// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A CommandUi that records what the commands ask and show, answers every
// question as told, and lets a test act on each progress value (as the
// Cancel button or a pulled cable would, from the event loop).

#include <functional>
#include <string>
#include <vector>

#include "app/command_ui.h"

class RecordingUi : public CommandUi {
  public:
    bool AskOkCancel(const std::string& text) override {
        questions.push_back(text);
        return answerOk;
    }
    bool AllowBlanking(const std::string& question, const std::vector<std::string>&) override {
        questions.push_back(question);
        return answerBlanking;
    }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    void ShowNotice(const std::string& text) override { notices.push_back(text); }
    void ShowInformation(const std::string& title, const std::string& text) override {
        infos.push_back(title + "|" + text);
    }
    void ShowStatus(const std::string& text) override { statuses.push_back(text); }
    void ProgressShow() override { progressOpen = true; }
    void ProgressValue(int v) override {
        values.push_back(v);
        if (onProgress) onProgress(v);
    }
    void ProgressLabel(const std::string& text) override { labels.push_back(text); }
    void ProgressCancelable(bool value) override { cancelable.push_back(value); }
    void ProgressClose() override { progressOpen = false; }
    void ResetViews() override { ++resets; }

    // Whether any message box was shown (error, notice or information).
    bool AnyMessage() const { return !errors.empty() || !notices.empty() || !infos.empty(); }

    bool answerOk = true;
    bool answerBlanking = false;
    bool progressOpen = false;
    std::vector<std::string> questions, errors, notices, infos, statuses, labels;
    std::vector<int> values;
    std::vector<bool> cancelable;
    int resets = 0;
    std::function<void(int)> onProgress;
};
