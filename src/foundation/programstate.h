#pragma once

// Puts the program-wide values back as they are before the first login: the login
// state, the hand-over values between windows, the loaded settings and the flags of
// the login and closing steps. Tests call it around each case so that none inherits
// another's state.
void ResetProgramState();
