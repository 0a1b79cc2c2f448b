#pragma once

class Prompts;

// Removes the program's desktop entries and files, then says so.
void UninstallProgram(Prompts &prompts);
