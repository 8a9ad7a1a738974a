# The search-and-replace dialog and the colour dialog of the editor frame.
target_sources(norbek_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TextSearch.cpp ${CMAKE_CURRENT_LIST_DIR}/TextSearch.h
  ${CMAKE_CURRENT_LIST_DIR}/Form_RtfSearchAndReplace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form_RtfSearchAndReplace.h
  ${CMAKE_CURRENT_LIST_DIR}/SearchOptions.h
  ${CMAKE_CURRENT_LIST_DIR}/ColorPalette.cpp ${CMAKE_CURRENT_LIST_DIR}/ColorPalette.h
  ${CMAKE_CURRENT_LIST_DIR}/Form_HtmlColor.cpp ${CMAKE_CURRENT_LIST_DIR}/Form_HtmlColor.h
)
