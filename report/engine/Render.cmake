target_sources(norbek_reportengine PRIVATE
  PagedOutput.cpp PagedOutput.h
  PageRenderer.cpp PageRenderer.h
  PageSelection.cpp PageSelection.h
  PdfInfoUpdate.cpp PdfInfoUpdate.h
  PdfRenderer.cpp PdfRenderer.h
  PrinterDevice.cpp PrinterDevice.h
  PrinterRenderer.cpp PrinterRenderer.h
  Renderer.cpp Renderer.h
  RendererRegistry.cpp RendererRegistry.h
  ReportSystem.h
  Snapshot.cpp Snapshot.h
  SnapshotFormat.h
  SnapshotPainter.cpp SnapshotPainter.h
  SnapshotReadCursor.h
  SnapshotWriter.cpp SnapshotWriter.h
)
