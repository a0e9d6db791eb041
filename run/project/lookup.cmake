# Sources of file lookup and multi-CD projects, added to the engine.
target_sources(run_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FileLookup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RunFromCdWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../platform/drives/DriveTable.cpp
)
