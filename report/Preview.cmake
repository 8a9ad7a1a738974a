target_sources(norbek_reportwindows PRIVATE
  Form_RpPreviewGerman.cpp Form_RpPreviewGerman.h
  Form_RpPreviewGermanInput.cpp
  PreviewIcons.cpp PreviewIcons.h
  PreviewNavigator.cpp PreviewNavigator.h
  PreviewPage.cpp PreviewPage.h
  WheelZoom.cpp WheelZoom.h
)
