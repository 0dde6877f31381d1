// Answering the modal dialogs and message boxes a command opens, from
// inside the command's own modal loop: a thread timer looks for a visible
// top-level window of this process with the expected caption and hands it
// to the answer, once, in the order the answers were queued.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "tests/driver/driver.h"

using DialogAnswer = std::function<void(HWND dialog)>;

// Queues an answer for the next window captioned so.
void AnswerDialog(const std::string& caption, DialogAnswer answer);
// Answers still waiting (dropped).
int ForgetDialogAnswers();

// Sends the command to the window with the answers' timer running.
void SendCommandAnswering(HWND window, int command);

// Common answers: press a button (by control id), type into an edit first.
DialogAnswer Press(int control);
DialogAnswer TypeThenPress(int edit, const std::string& text, int control);
