#pragma once
// The program's entry: shows the splash picture, builds the four forms and
// runs the message loop; returns 0 whether start-up succeeded or not.
#include <chrono>

constexpr std::chrono::milliseconds SplashDelay{1500};

int StartApplication();
