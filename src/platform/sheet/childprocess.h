#pragma once
#include <QByteArray>
#include <functional>

// Runs work in a forked child process and hands back the bytes it returned. Used
// for libraries that may crash on damaged input: the child's crash is only a
// failed call here. False when the child did not finish normally (a crash, a
// kill, or more than timeoutSeconds). The work must not touch windows, the event
// loop or databases; plain computation on files and memory is safe.
bool RunInChildProcess(const std::function<QByteArray()>& work, QByteArray* result, int timeoutSeconds);
