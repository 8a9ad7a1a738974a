target_sources(norbek_reportwindows PRIVATE
  Form_RpSetupGerman.h
  SnapshotExport.h
)
