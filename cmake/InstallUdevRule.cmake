# Install step of the udev rule UDEV_RULE: into SYSTEM_RULES_DIR for the /usr
# prefix, under the prefix in lib/udev/rules.d for any other. Runs when
# installing, so CMAKE_INSTALL_PREFIX is that of cmake --install --prefix.
string(REGEX REPLACE "(.)/+$" "\\1" prefix "${CMAKE_INSTALL_PREFIX}")
if(prefix STREQUAL "/usr")
  set(rules_dir "${SYSTEM_RULES_DIR}")
else()
  set(rules_dir "${prefix}/lib/udev/rules.d")
endif()
file(INSTALL DESTINATION "${rules_dir}" TYPE FILE FILES "${UDEV_RULE}")
