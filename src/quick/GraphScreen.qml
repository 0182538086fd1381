// A graph's generated screen in Qt Quick: a filter field above a list of cards, a card per node
// with a row per parameter. The rows come from a GraphRowModel handed in from C++ as `graph`;
// the list makes delegates only for the rows near the view.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NequoraUI

FocusScope {
    id: screen

    // The rows to show (a GraphRowModel).
    property GraphRowModel graph
    // A filter field above the list.
    property bool showsFilter: true
    readonly property alias list: rows

    SystemPalette { id: screenColours }

    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        TextField {
            id: filter
            objectName: "filter"
            visible: screen.showsFilter
            Layout.fillWidth: true
            Layout.margins: 8
            placeholderText: qsTr("Filter")
            Accessible.name: qsTr("Filter")
            onTextChanged: if (screen.graph) screen.graph.filterText = text
            Keys.onDownPressed: rows.forceActiveFocus()
        }

        ListView {
            id: rows
            objectName: "rows"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            focus: true
            model: screen.graph
            keyNavigationEnabled: true
            spacing: 4
            delegate: GraphRow {
                width: rows.width
                graph: screen.graph
                colours: screenColours
            }
        }
    }

    // The list keeps the row holding the focus in view, so Tab walks on past the rows shown,
    // onto delegates made as they come into view.
    Connections {
        target: screen.Window.window
        function onActiveFocusItemChanged() {
            for (let item = screen.Window.activeFocusItem; item; item = item.parent)
                if (item.parent === rows.contentItem) {
                    rows.positionViewAtIndex(item.index, ListView.Contain)
                    return
                }
        }
    }

    // Values the engine takes on by itself and players' progress, once a frame for the rows in
    // view while shown.
    FrameAnimation {
        running: screen.visible && screen.graph !== null
                 && (screen.graph.followsParameters || screen.graph.hasPlayers)
        onTriggered: {
            const first = rows.indexAt(0, rows.contentY)
            const last = rows.indexAt(0, rows.contentY + rows.height - 1)
            screen.graph.follow(first < 0 ? 0 : first, last < 0 ? rows.count - 1 : last)
        }
    }
}
