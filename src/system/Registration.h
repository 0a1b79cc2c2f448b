#pragma once

class Prompts;

// Brings the program's desktop entries up to date; runs at every start and
// never reports a failure.
void RegisterProgram(Prompts &prompts);
