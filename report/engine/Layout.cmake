target_sources(norbek_reportengine PRIVATE
  ProjectFileReader.cpp ProjectFileReader.h
  ReportLayouter.cpp ReportLayouter.h
  ReportProject.cpp
  SnapshotDump.cpp SnapshotDump.h
  TextMeasure.cpp TextMeasure.h
  ValueFormat.cpp ValueFormat.h
)
