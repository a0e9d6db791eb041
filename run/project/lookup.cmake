# Sources of file lookup and multi-CD projects, added to the engine.
target_sources(run_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FileLookupStub.cpp
)
