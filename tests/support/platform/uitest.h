#pragma once
#include "platform/ui/scriptedprompt.h"
#include "support/platform/testtext.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The base of tests that need no account set: a temporary program folder, a fixed
// clock (2024-03-05 10:20:30) and scripted prompts that fail the test on an
// unanswered question.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    QString Folder() const { return dir_.path() + QLatin1Char('/'); }
    // A file for a rendering worth looking at: in the folder that VESTORA_REPORT_SAMPLES
    // names when set, else in the test's folder.
    QString SampleFile(const QString& name) const;

    ScriptedPrompt prompt;

private:
    QTemporaryDir dir_;
};
