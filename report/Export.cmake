target_sources(norbek_reportwindows PRIVATE
  Form_RpSetupGerman.cpp Form_RpSetupGerman.h
  SnapshotExport.cpp SnapshotExport.h
)
