#pragma once

// Message boxes and input boxes answered from a script, for the logger's window tests.

#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "logger/app/UserDialogs.h"

namespace loggertest {

class ScriptedDialogs : public logger::UserDialogs {
  public:
    struct Box {
        logger::MessageKind kind;
        QString text;
    };
    std::vector<Box> boxes;
    std::deque<logger::MessageAnswer> answers;  // for the boxes with more than OK
    std::deque<std::optional<QString>> inputs;  // nothing = Cancel
    std::vector<QString> prompts;

    logger::MessageAnswer show(logger::MessageKind kind, const QString& text,
                               logger::MessageButtons buttons) override {
        boxes.push_back({kind, text});
        if (buttons == logger::MessageButtons::Ok) return logger::MessageAnswer::Ok;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return logger::MessageAnswer::Cancel;
        }
        const logger::MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<QString> InputQuery(const QString& caption, const QString& prompt,
                                      const QString& text) override {
        prompts.push_back(caption + "|" + prompt + "|" + text);
        if (inputs.empty()) {
            ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
            return std::nullopt;
        }
        std::optional<QString> input = inputs.front();
        inputs.pop_front();
        return input;
    }

    std::vector<SaveFileQuestion> saveQuestions;
    std::optional<QString> savedFile;  // the answer of the save dialog

    std::optional<QString> saveFileName(const SaveFileQuestion& question) override {
        saveQuestions.push_back(question);
        return savedFile;
    }

    QString lastText() const { return boxes.empty() ? QString() : boxes.back().text; }
};

}  // namespace loggertest
