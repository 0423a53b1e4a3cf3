#pragma once

#include "report/base/persistent.h"
#include "report/base/report_types.h"

// How the preview window shows the report.
class TfrxPreviewOptions : public TfrxPersistent {
    Q_OBJECT
    Q_PROPERTY(bool AllowEdit READ AllowEdit WRITE SetAllowEdit)
    Q_PROPERTY(bool AllowPreviewEdit READ AllowPreviewEdit WRITE SetAllowPreviewEdit)
    Q_PROPERTY(frx::TfrxPreviewButtons Buttons READ Buttons WRITE SetButtons)
    Q_PROPERTY(bool DoubleBuffered READ DoubleBuffered WRITE SetDoubleBuffered)
    Q_PROPERTY(bool Maximized READ Maximized WRITE SetMaximized)
    Q_PROPERTY(bool MDIChild READ MDIChild WRITE SetMDIChild)
    Q_PROPERTY(bool Modal READ Modal WRITE SetModal)
    Q_PROPERTY(bool OutlineExpand READ OutlineExpand WRITE SetOutlineExpand)
    Q_PROPERTY(bool OutlineVisible READ OutlineVisible WRITE SetOutlineVisible)
    Q_PROPERTY(int OutlineWidth READ OutlineWidth WRITE SetOutlineWidth)
    Q_PROPERTY(int PagesInCache READ PagesInCache WRITE SetPagesInCache)
    Q_PROPERTY(bool ShowCaptions READ ShowCaptions WRITE SetShowCaptions)
    Q_PROPERTY(bool ThumbnailVisible READ ThumbnailVisible WRITE SetThumbnailVisible)
    Q_PROPERTY(double Zoom READ Zoom WRITE SetZoom)
    Q_PROPERTY(frx::TfrxZoomMode ZoomMode READ ZoomMode WRITE SetZoomMode)
    Q_PROPERTY(bool PictureCacheInFile READ PictureCacheInFile WRITE SetPictureCacheInFile)
    Q_PROPERTY(bool RTLPreview READ RTLPreview WRITE SetRTLPreview)
    Q_CLASSINFO("default:AllowEdit", "true")
    Q_CLASSINFO("default:AllowPreviewEdit", "true")
    Q_CLASSINFO("default:DoubleBuffered", "true")
    Q_CLASSINFO("default:Maximized", "true")
    Q_CLASSINFO("default:MDIChild", "false")
    Q_CLASSINFO("default:Modal", "true")
    Q_CLASSINFO("default:OutlineExpand", "true")
    Q_CLASSINFO("default:OutlineVisible", "false")
    Q_CLASSINFO("default:OutlineWidth", "120")
    Q_CLASSINFO("default:PagesInCache", "50")
    Q_CLASSINFO("default:ShowCaptions", "false")
    Q_CLASSINFO("default:ThumbnailVisible", "false")
    Q_CLASSINFO("default:ZoomMode", "zmDefault")
    Q_CLASSINFO("default:PictureCacheInFile", "false")
    Q_CLASSINFO("default:RTLPreview", "false")

public:
    Q_INVOKABLE explicit TfrxPreviewOptions(QObject* owner = nullptr) : TfrxPersistent(owner) {}

    bool AllowEdit() const { return allowEdit_; }
    void SetAllowEdit(bool value) { allowEdit_ = value; }
    bool AllowPreviewEdit() const { return allowPreviewEdit_; }
    void SetAllowPreviewEdit(bool value) { allowPreviewEdit_ = value; }
    TfrxPreviewButtons Buttons() const { return buttons_; }
    void SetButtons(TfrxPreviewButtons value) { buttons_ = value; }
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }
    bool Maximized() const { return maximized_; }
    void SetMaximized(bool value) { maximized_ = value; }
    bool MDIChild() const { return mdiChild_; }
    void SetMDIChild(bool value) { mdiChild_ = value; }
    bool Modal() const { return modal_; }
    void SetModal(bool value) { modal_ = value; }
    bool OutlineExpand() const { return outlineExpand_; }
    void SetOutlineExpand(bool value) { outlineExpand_ = value; }
    bool OutlineVisible() const { return outlineVisible_; }
    void SetOutlineVisible(bool value) { outlineVisible_ = value; }
    int OutlineWidth() const { return outlineWidth_; }
    void SetOutlineWidth(int value) { outlineWidth_ = value; }
    int PagesInCache() const { return pagesInCache_; }
    void SetPagesInCache(int value) { pagesInCache_ = value; }
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool value) { showCaptions_ = value; }
    bool ThumbnailVisible() const { return thumbnailVisible_; }
    void SetThumbnailVisible(bool value) { thumbnailVisible_ = value; }
    double Zoom() const { return zoom_; }
    void SetZoom(double value) { zoom_ = value; }
    TfrxZoomMode ZoomMode() const { return zoomMode_; }
    void SetZoomMode(TfrxZoomMode value) { zoomMode_ = value; }
    bool PictureCacheInFile() const { return pictureCacheInFile_; }
    void SetPictureCacheInFile(bool value) { pictureCacheInFile_ = value; }
    bool RTLPreview() const { return rtlPreview_; }
    void SetRTLPreview(bool value) { rtlPreview_ = value; }

private:
    bool allowEdit_ = true;
    bool allowPreviewEdit_ = true;
    TfrxPreviewButtons buttons_ = TfrxPreviewButtons::fromInt(kDefaultPreviewButtons);
    bool doubleBuffered_ = true;
    bool maximized_ = true;
    bool mdiChild_ = false;
    bool modal_ = true;
    bool outlineExpand_ = true;
    bool outlineVisible_ = false;
    int outlineWidth_ = 120;
    int pagesInCache_ = 50;
    bool showCaptions_ = false;
    bool thumbnailVisible_ = false;
    double zoom_ = 1;
    TfrxZoomMode zoomMode_ = zmDefault;
    bool pictureCacheInFile_ = false;
    bool rtlPreview_ = false;
};
