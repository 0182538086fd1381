// A graph's generated screen in Qt Quick: a preset bar and a filter field above a list of
// cards, a card per node with a row per parameter. The rows come from a GraphRowModel handed in from C++ as `graph`;
// the list makes delegates only for the rows near the view.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQml.Models
import NequoraUI

FocusScope {
    id: screen

    // The rows to show (a GraphRowModel).
    property GraphRowModel graph
    // A filter field above the list.
    property bool showsFilter: true
    // The preset bar (presets, A/B, Reset All) above the filter.
    property bool showsPresets: true
    readonly property alias list: rows

    SystemPalette { id: screenColours }

    // The controls take the application's palette (a dark desktop gives a dark one), not the
    // style's own light one.
    palette.window: screenColours.window
    palette.windowText: screenColours.windowText
    palette.base: screenColours.base
    palette.alternateBase: screenColours.alternateBase
    palette.text: screenColours.text
    palette.button: screenColours.button
    palette.buttonText: screenColours.buttonText
    palette.light: screenColours.light
    palette.midlight: screenColours.midlight
    palette.mid: screenColours.mid
    palette.dark: screenColours.dark
    palette.shadow: screenColours.shadow
    palette.highlight: screenColours.highlight
    palette.highlightedText: screenColours.highlightedText
    palette.placeholderText: screenColours.placeholderText

    Rectangle {
        anchors.fill: parent
        color: screenColours.window
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        GraphPresetBar {
            id: presetBar
            objectName: "presetBar"
            visible: screen.showsPresets
            Layout.fillWidth: true
            Layout.leftMargin: 8
            Layout.rightMargin: 8
            Layout.topMargin: 8
            graph: screen.graph
        }

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
            Keys.onMenuPressed: {
                for (let item = screen.Window.activeFocusItem; item; item = item.parent)
                    if (item.parent === rows.contentItem) {
                        const at = item.mapToItem(screen, 0, item.height)
                        screen.openControllerMenu(item.index, at.x, at.y)
                        return
                    }
            }
            spacing: 4
            delegate: GraphRow {
                width: rows.width
                graph: screen.graph
                colours: screenColours
            }
        }
    }

    // A row's context menu (right-click, or the Menu key on the row holding the focus): learn
    // or forget its MIDI controller. One menu serves every row, so rows stay as light as they are.
    RowControllerMenu {
        id: controllerItems
        graph: screen.graph
    }
    Menu {
        id: controllerMenu
        objectName: "controllerMenu"
        property int row: -1
        Instantiator {
            id: controllerEntries
            model: []
            delegate: MenuItem {
                required property int index
                required property string modelData
                text: modelData
                Accessible.name: modelData
                onTriggered: controllerItems.choose(controllerMenu.row, index)
            }
            onObjectAdded: (index, item) => controllerMenu.insertItem(index, item)
            onObjectRemoved: (index, item) => controllerMenu.removeItem(item)
        }
    }
    function openControllerMenu(row, x, y) {
        const texts = row < 0 ? [] : controllerItems.texts(row)
        if (texts.length === 0)
            return
        controllerMenu.row = row
        controllerEntries.model = texts
        controllerMenu.popup(screen, x, y)
    }
    TapHandler {
        acceptedButtons: Qt.RightButton
        onTapped: eventPoint => {
            const at = rows.mapFromItem(screen, eventPoint.position)
            screen.openControllerMenu(rows.indexAt(at.x, at.y + rows.contentY),
                                      eventPoint.position.x, eventPoint.position.y)
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
