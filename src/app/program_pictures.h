#pragma once
// The programs' own pictures, embedded as Qt resources.
inline constexpr const char* SplashPicturePath = ":/pelnor/splash.jpg";
inline constexpr const char* ProgramIconPath = ":/pelnor/icon.png";
