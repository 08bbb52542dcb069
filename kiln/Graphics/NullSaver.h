#pragma once
// A canvas-state saver that saves nothing: for layers whose users set up the canvas anew for
// every drawing operation.

namespace kiln {

template <class Canvas> class NullSaver {
public:
    explicit NullSaver(Canvas) {}
    void Save() {}
    void Restore() {}
};

} // namespace kiln
