// Test classes kept in files of their own, run by the window tests' main.
#pragma once

int RunPendingOutputTests(int argc, char** argv);
int RunBarTests(int argc, char** argv);
int RunViewRuleTests(int argc, char** argv);
int RunWindowStartTests(int argc, char** argv);
int RunLanguageTests(int argc, char** argv);
int RunResourceMenuTests(int argc, char** argv);
int RunWindowLeakTests(int argc, char** argv);
int RunFrameTests(int argc, char** argv);
int RunOptionsTests(int argc, char** argv);
int RunBrowserDialogTests(int argc, char** argv);
