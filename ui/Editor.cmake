# The rich-text editor frame, its font list, images and file dialogs.
target_sources(norbek_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Frame_RtfEditor.cpp ${CMAKE_CURRENT_LIST_DIR}/Frame_RtfEditor.h
  ${CMAKE_CURRENT_LIST_DIR}/Fonts.cpp ${CMAKE_CURRENT_LIST_DIR}/Fonts.h
  ${CMAKE_CURRENT_LIST_DIR}/EditorIcons.cpp ${CMAKE_CURRENT_LIST_DIR}/EditorIcons.h
  ${CMAKE_CURRENT_LIST_DIR}/EditorFileDialogs.cpp ${CMAKE_CURRENT_LIST_DIR}/EditorFileDialogs.h
)
