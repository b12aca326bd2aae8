#pragma once

#include <cstdint>

// The run of the program, from process entry to exit status.

// The process entry: runtime, start-up initialisers, the run, finalisers; returns the exit status.
int ProgramMain();
extern std::int32_t exitStatus;

// The whole run of the application: start-up, then the event loop.
void Main_();
void EarlyStartup_();
void NewAppInstance_();
void InitFileTypes_();
void ApplicationAddMenuHandlers_();
void LateStartup_();
void MakeDefaultView_();
