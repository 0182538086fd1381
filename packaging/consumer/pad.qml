import QtQuick
import NequoraUI

Window {
    width: 300
    height: 300
    visible: true
    color: "white"

    NQRadialSliderControl {
        anchors.centerIn: parent
        size: 240
        showCircleGridLines: true
        blurCenterView: true
        circleGridLineColor: "#6366f1"
        draggableControlColor: "#2563eb"
        defaultPosition: Qt.point(0.75, 0.75)
        onSliderPositionChanged: (position) => console.log(position.x, position.y)
    }
}
