target_sources(norbek_reportwindows PRIVATE
  Form_RpPreviewGerman.h
)
