<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Registros</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Categorías</translation>
    </message>
    <message>
        <source>R&amp;ange</source>
        <translation>&amp;Periodo</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>R&amp;eports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>&amp;Macro</source>
        <translation>&amp;Macro</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Default Data Folder</source>
        <translation>Carpeta de datos &amp;predeterminada</translation>
    </message>
    <message>
        <source>Alternate Data Folder &amp;1</source>
        <translation>Carpeta de datos alternativa &amp;1</translation>
    </message>
    <message>
        <source>Alternate Data Folder &amp;2</source>
        <translation>Carpeta de datos alternativa &amp;2</translation>
    </message>
    <message>
        <source>Se&amp;lect Data Folder...</source>
        <translation>&amp;Seleccionar carpeta de datos...</translation>
    </message>
    <message>
        <source>S&amp;ort Data</source>
        <translation>&amp;Ordenar datos</translation>
    </message>
    <message>
        <source>&amp;Create Internal Backup File</source>
        <translation>&amp;Crear copia de seguridad interna</translation>
    </message>
    <message>
        <source>&amp;Restore Internal Backup File</source>
        <translation>&amp;Restaurar copia de seguridad interna</translation>
    </message>
    <message>
        <source>Comma-Delimited or CSV &amp;Import</source>
        <translation>&amp;Importar (delimitado por comas o CSV)</translation>
    </message>
    <message>
        <source>Import Ban&amp;k File...</source>
        <translation>Importar archivo &amp;bancario...</translation>
    </message>
    <message>
        <source>Data &amp;Backup (complete)</source>
        <translation>Copia de seguridad co&amp;mpleta</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>Con&amp;figuración...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;New Entry</source>
        <translation>&amp;Nuevo registro</translation>
    </message>
    <message>
        <source>&amp;Edit Entry</source>
        <translation>&amp;Editar registro</translation>
    </message>
    <message>
        <source>De&amp;lete Entry</source>
        <translation>E&amp;liminar registro</translation>
    </message>
    <message>
        <source>&amp;Purge Deleted Records</source>
        <translation>&amp;Purgar registros eliminados</translation>
    </message>
    <message>
        <source>&amp;Restore Deleted Records</source>
        <translation>&amp;Restaurar registros eliminados</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Re&amp;hacer</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nueva categoría</translation>
    </message>
    <message>
        <source>&amp;Edit Category</source>
        <translation>&amp;Editar categoría</translation>
    </message>
    <message>
        <source>&amp;Default Range</source>
        <translation>Periodo &amp;predeterminado</translation>
    </message>
    <message>
        <source>Current &amp;Fiscal Year</source>
        <translation>&amp;Ejercicio actual</translation>
    </message>
    <message>
        <source>&amp;Previous Fiscal Year</source>
        <translation>Ejercicio &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Fiscal Year</source>
        <translation>Ejercicio &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Select Dates</source>
        <translation>Seleccionar &amp;fechas</translation>
    </message>
    <message>
        <source>30 D&amp;ays</source>
        <translation>30 &amp;días</translation>
    </message>
    <message>
        <source>&amp;60 Days</source>
        <translation>&amp;60 días</translation>
    </message>
    <message>
        <source>&amp;90 Days</source>
        <translation>&amp;90 días</translation>
    </message>
    <message>
        <source>1&amp;80 days</source>
        <translation>1&amp;80 días</translation>
    </message>
    <message>
        <source>&amp;1 Year</source>
        <translation>&amp;1 año</translation>
    </message>
    <message>
        <source>&amp;2 Years</source>
        <translation>&amp;2 años</translation>
    </message>
    <message>
        <source>&amp;3 Years</source>
        <translation>&amp;3 años</translation>
    </message>
    <message>
        <source>&amp;4 Years</source>
        <translation>&amp;4 años</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 años</translation>
    </message>
    <message>
        <source>&amp;Word Fragment</source>
        <translation>&amp;Fragmento de palabra</translation>
    </message>
    <message>
        <source>&amp;Complete Word</source>
        <translation>Palabra &amp;completa</translation>
    </message>
    <message>
        <source>User-defined field #&amp;1</source>
        <translation>Campo de usuario n.º &amp;1</translation>
    </message>
    <message>
        <source>User-defined field #&amp;2</source>
        <translation>Campo de usuario n.º &amp;2</translation>
    </message>
    <message>
        <source>Show &amp;All Categories</source>
        <translation>Mostrar &amp;todas las categorías</translation>
    </message>
    <message>
        <source>Next Column &amp;Order</source>
        <translation>Siguiente &amp;orden de columnas</translation>
    </message>
    <message>
        <source>C&amp;harts of this List</source>
        <translation>&amp;Gráficos de esta lista</translation>
    </message>
    <message>
        <source>&amp;New Report</source>
        <translation>&amp;Nuevo informe</translation>
    </message>
    <message>
        <source>&amp;Quit Reports</source>
        <translation>&amp;Salir de los informes</translation>
    </message>
    <message>
        <source>&amp;Summary Report - Narrow Format</source>
        <translation>Informe &amp;resumen - formato estrecho</translation>
    </message>
    <message>
        <source>&amp;Full Report - Narrow Format (no User Fields)</source>
        <translation>Informe &amp;completo - formato estrecho (sin campos de usuario)</translation>
    </message>
    <message>
        <source>Su&amp;mmary Report - Wide Format</source>
        <translation>Informe resumen - formato &amp;ancho</translation>
    </message>
    <message>
        <source>Full Report - &amp;Wide Format (w/ User Fields)</source>
        <translation>Informe completo - formato ancho (con campos de &amp;usuario)</translation>
    </message>
    <message>
        <source>&amp;Return to List</source>
        <translation>&amp;Volver a la lista</translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation>&amp;Gráficos</translation>
    </message>
    <message>
        <source>&amp;Print Report</source>
        <translation>&amp;Imprimir informe</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Edit Report With Word Processor</source>
        <translation>&amp;Editar informe con el procesador de textos</translation>
    </message>
    <message>
        <source>Write Report to &amp;Text File</source>
        <translation>Escribir informe en archivo de &amp;texto</translation>
    </message>
    <message>
        <source>E&amp;xport Full Report Data to .txt or .csv format</source>
        <translation>E&amp;xportar datos del informe completo (.txt o .csv)</translation>
    </message>
    <message>
        <source>Export Summ&amp;ary Report Data to .txt or .csv Format</source>
        <translation>Ex&amp;portar datos del resumen (.txt o .csv)</translation>
    </message>
    <message>
        <source>&amp;Play a Macro</source>
        <translation>&amp;Reproducir una macro</translation>
    </message>
    <message>
        <source>&amp;Create / Edit Macro</source>
        <translation>&amp;Crear / editar macro</translation>
    </message>
    <message>
        <source>&amp;Quit Macro Edit</source>
        <translation>&amp;Salir de la edición de macro</translation>
    </message>
    <message>
        <source>&amp;Notes for this Fiscal Year</source>
        <translation>&amp;Notas de este ejercicio</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Calculadora</translation>
    </message>
    <message>
        <source>Play A &amp;Game</source>
        <translation>&amp;Jugar a un juego</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Visit Brindlefold on the Web</source>
        <translation>&amp;Visitar Brindlefold en la web</translation>
    </message>
    <message>
        <source>Turn o&amp;ff &quot;Tool Tips&quot;</source>
        <translation>&amp;Desactivar la ayuda emergente</translation>
    </message>
    <message>
        <source>Turn o&amp;n &quot;Tool Tips&quot;</source>
        <translation>&amp;Activar la ayuda emergente</translation>
    </message>
    <message>
        <source>Comin&amp;g Due...</source>
        <translation>&amp;Vencimientos...</translation>
    </message>
    <message>
        <source>Fo&amp;recast...</source>
        <translation>Pre&amp;visión...</translation>
    </message>
    <message>
        <source>Toggle &amp;Cleared</source>
        <translation>Marcar / desmarcar &amp;compensado</translation>
    </message>
    <message>
        <source>Rec&amp;oncile...</source>
        <translation>C&amp;onciliar...</translation>
    </message>
    <message>
        <source>B&amp;udget...</source>
        <translation>Presupuest&amp;o...</translation>
    </message>
    <message>
        <source>Budget of this Ran&amp;ge</source>
        <translation>Presupuesto del periodo &amp;mostrado</translation>
    </message>
    <message>
        <source>&amp;About Quillbank</source>
        <translation>Acerca de &amp;Quillbank</translation>
    </message>
</context>
<context>
    <name>ToolBar</name>
    <message>
        <source>New &lt;F2&gt;</source>
        <translation>Nuevo &lt;F2&gt;</translation>
    </message>
    <message>
        <source>Create a new income or expense record</source>
        <translation>Crear un nuevo registro de ingreso o gasto</translation>
    </message>
    <message>
        <source>Macro &lt;F3&gt;</source>
        <translation>Macro &lt;F3&gt;</translation>
    </message>
    <message>
        <source>Play back a previously recorded macro file</source>
        <translation>Reproducir un archivo de macro grabado antes</translation>
    </message>
    <message>
        <source>Notes &lt;F4&gt;</source>
        <translation>Notas &lt;F4&gt;</translation>
    </message>
    <message>
        <source>Open the notes file of this fiscal year</source>
        <translation>Abrir el archivo de notas de este ejercicio</translation>
    </message>
    <message>
        <source>Search &lt;F5&gt;</source>
        <translation>Buscar &lt;F5&gt;</translation>
    </message>
    <message>
        <source>Search for a word</source>
        <translation>Buscar una palabra</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Start a new report</source>
        <translation>Empezar un nuevo informe</translation>
    </message>
    <message>
        <source>Web &lt;F7&gt;</source>
        <translation>Web &lt;F7&gt;</translation>
    </message>
    <message>
        <source>Visit Brindlefold on the Web</source>
        <translation>Visitar Brindlefold en la web</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Show the help contents</source>
        <translation>Mostrar el contenido de la ayuda</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Clear the list - start on new report</source>
        <translation>Vaciar la lista - empezar un nuevo informe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Quit reports</source>
        <translation>Salir de los informes</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Summary report - totals and graph only</source>
        <translation>Informe resumen - solo totales y gráfico</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Completo</translation>
    </message>
    <message>
        <source>Full report, including line items</source>
        <translation>Informe completo, con todos los registros</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Return to list to add / remove items</source>
        <translation>Volver a la lista para añadir o quitar elementos</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Send currently displayed report to printer</source>
        <translation>Imprimir el informe mostrado</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit report in your word processor program</source>
        <translation>Editar el informe en su procesador de textos</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Save report to a text file</source>
        <translation>Guardar el informe en un archivo de texto</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export report data to comma-delimited text.</source>
        <translation>Exportar los datos del informe como texto delimitado por comas.</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>Charts of the report list</source>
        <translation>Gráficos de la lista del informe</translation>
    </message>
</context>
</TS>
