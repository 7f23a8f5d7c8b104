# pelnor_link_edition(TARGET EDITION_LIBRARY)
# Links the shared subsystems and one device link. They call each other
# (the window binds handlers that the subsystems define), so they are
# linked as one group.
function(pelnor_link_edition target edition)
  target_link_libraries(${target} PRIVATE
    "$<LINK_GROUP:RESCAN,app,codec,settings_file,remote_update,${edition}>")
endfunction()
