#pragma once
// The program's entry: builds the forms and runs the message loop; returns 0.
int StartApplication();
