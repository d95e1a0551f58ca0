#pragma once

#include "gui/Form.h"
#include "shared/Screens.h"

#include <QString>
#include <gtest/gtest.h>
#include <span>
#include <vector>

namespace testing_support {

// Answers the newest instance of a question screen, which must be the one on show: checks the
// option with the given number (0 leaves all four unchecked) and presses "Я ответил/а".
inline void answerQuestion(const QString& className, int option)
{
    gui::Form* question = shared::instanceOf(className);
    ASSERT_NE(question, nullptr) << className.toStdString();
    ASSERT_TRUE(question->isVisible()) << className.toStdString();
    if (option != 0)
        question->radio("RadioButton" + QString::number(option)).click();
    question->button("BitBtn1").click();
    EXPECT_TRUE(question->isHidden()) << className.toStdString();
}

// Answers a chain of questions in order, one option per question.
inline void answerQuestions(const QStringList& chain, const std::vector<int>& options)
{
    ASSERT_EQ(chain.size(), static_cast<qsizetype>(options.size()));
    for (qsizetype i = 0; i < chain.size(); ++i)
        answerQuestion(chain[i], options[i]);
}

// Marks the listed questions (numbered from 1) wrong and all others right.
inline void setWrongAnswers(std::span<bool> flags, std::initializer_list<int> wrongQuestions)
{
    for (bool& flag : flags)
        flag = true;
    for (int q : wrongQuestions)
        flags[q - 1] = false;
}

// Marks the first `count` questions right and the others wrong.
inline void setRightCount(std::span<bool> flags, int count)
{
    for (std::size_t i = 0; i < flags.size(); ++i)
        flags[i] = static_cast<int>(i) < count;
}

// What a result screen shows for a number of right answers.
struct ResultRow {
    int right;
    const char* tasks;   // Label4
    const char* percent; // Label5
    const char* grade;   // Label7
};

inline void expectResult(const gui::Form& result, const ResultRow& row)
{
    SCOPED_TRACE(row.right);
    EXPECT_EQ(result.label("Label3").text(), QString::number(row.right));
    EXPECT_EQ(result.label("Label4").text(), row.tasks);
    EXPECT_EQ(result.label("Label5").text(), row.percent);
    EXPECT_EQ(result.label("Label7").text(), row.grade);
}

} // namespace testing_support
