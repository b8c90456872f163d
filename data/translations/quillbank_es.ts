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
<!-- generated below -->
<context>
    <name>qbk::BudgetWindow</name>
    <message>
        <source>Budget</source>
        <translation>Presupuesto</translation>
    </message>
    <message>
        <source>Fiscal year</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Revertir</translation>
    </message>
    <message>
        <source>Fiscal &amp;year beginning in</source>
        <translation>Ejercicio &amp;fiscal que empieza en</translation>
    </message>
    <message>
        <source>Type an amount a month, or one in "Every month" for all twelve; money out with a minus sign (-400).</source>
        <translation>Escriba un importe por mes, o uno en «Cada mes» para los doce; los gastos con signo menos (-400).</translation>
    </message>
    <message>
        <source>Budget per category and month</source>
        <translation>Presupuesto por categoría y mes</translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>Budget against actual</source>
        <translation>Presupuesto frente a real</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <translation>P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Text File...</source>
        <translation>Archivo de &amp;texto...</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;xportar CSV...</translation>
    </message>
    <message>
        <source>&amp;Budget</source>
        <translation>Pres&amp;upuesto</translation>
    </message>
    <message>
        <source>Budget and actual by category</source>
        <translation>Presupuesto y real por categoría</translation>
    </message>
    <message>
        <source>Budget and actual month by month</source>
        <translation>Presupuesto y real mes a mes</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation>Gráfi&amp;cos</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Cada mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Usado</translation>
    </message>
    <message>
        <source>Money that went OUT</source>
        <translation>Dinero que SALIÓ</translation>
    </message>
    <message>
        <source>Total Expense</source>
        <translation>Total de gastos</translation>
    </message>
    <message>
        <source>Money that came IN</source>
        <translation>Dinero que ENTRÓ</translation>
    </message>
    <message>
        <source>Total Income</source>
        <translation>Total de ingresos</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source> to </source>
        <translation> a </translation>
    </message>
    <message>
        <source>Expense budget</source>
        <translation>Presupuesto de gastos</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Income budget</source>
        <translation>Presupuesto de ingresos</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
</context>
<context>
    <name>qbk::CategoryFrameCommands</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Category code - up to ten characters</source>
        <translation>Código de categoría (hasta diez caracteres)</translation>
    </message>
    <message>
        <source>Category name - up to 20 characters</source>
        <translation>Nombre de categoría (hasta 20 caracteres)</translation>
    </message>
    <message>
        <source>Category description - up to 500 characters</source>
        <translation>Descripción de la categoría (hasta 500 caracteres)</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save new category</source>
        <translation>Guardar la nueva categoría</translation>
    </message>
    <message>
        <source>Re&amp;place</source>
        <translation>R&amp;eemplazar</translation>
    </message>
    <message>
        <source>Replace category with new name and/or code</source>
        <translation>Reemplazar la categoría con un nombre o código nuevos</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Delete this category</source>
        <translation>Eliminar esta categoría</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit category edit - no changes</source>
        <translation>Salir de la edición de la categoría sin cambios</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
</context>
<context>
    <name>qbk::CategoryGridModel</name>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
</context>
<context>
    <name>qbk::ChartWindow</name>
    <message>
        <source>Charts - </source>
        <translation>Gráficos: </translation>
    </message>
    <message>
        <source>Money out</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Money in</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Pi&amp;e chart</source>
        <translation>Gráfico de &amp;tarta</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>Mo&amp;strar:</translation>
    </message>
    <message>
        <source>Click a category to list its entries.</source>
        <translation>Haga clic en una categoría para ver sus registros.</translation>
    </message>
    <message>
        <source>By &amp;Category</source>
        <translation>Por &amp;categoría</translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation>Sa&amp;ldo</translation>
    </message>
    <message>
        <source>Balance &amp;Ahead</source>
        <translation>Saldo &amp;futuro</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>&amp;Guardar imagen...</translation>
    </message>
    <message>
        <source>Save the chart shown as a PNG, SVG or PDF file</source>
        <translation>Guardar el gráfico mostrado como archivo PNG, SVG o PDF</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>Copy the chart shown to the clipboard</source>
        <translation>Copiar el gráfico mostrado al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print the chart shown</source>
        <translation>Imprimir el gráfico mostrado</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Close the charts</source>
        <translation>Cerrar los gráficos</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Week by Week</source>
        <translation>Semana a semana</translation>
    </message>
    <message>
        <source>Month by Month</source>
        <translation>Mes a mes</translation>
    </message>
    <message>
        <source>Year by Year</source>
        <translation>Año a año</translation>
    </message>
    <message>
        <source>Money out by category</source>
        <translation>Gastos por categoría</translation>
    </message>
    <message>
        <source>Money in by category</source>
        <translation>Ingresos por categoría</translation>
    </message>
    <message>
        <source>%1: %2 (%3 % of %4)</source>
        <translation>%1: %2 (%3 % de los %4)</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Below zero</source>
        <translation>Bajo cero</translation>
    </message>
    <message>
        <source>Balance Ahead</source>
        <translation>Saldo futuro</translation>
    </message>
    <message>
        <source>Lowest balance</source>
        <translation>Saldo más bajo</translation>
    </message>
</context>
<context>
    <name>qbk::ComingDueDialog</name>
    <message>
        <source>Coming Due</source>
        <translation>Vencimientos</translation>
    </message>
    <message>
        <source>These scheduled entries are due and not yet posted. The checked ones are posted, each on its own date, as one change.</source>
        <translation>Estos registros programados han vencido y aún no se han registrado. Los marcados se registran, cada uno en su fecha, en un solo cambio.</translation>
    </message>
    <message>
        <source>Entries due</source>
        <translation>Registros vencidos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Post &amp;due entries without asking</source>
        <translation>Registrar los &amp;vencidos sin preguntar</translation>
    </message>
    <message>
        <source>&amp;Post Checked</source>
        <translation>&amp;Registrar marcados</translation>
    </message>
    <message>
        <source>&amp;Not Now</source>
        <translation>A&amp;hora no</translation>
    </message>
</context>
<context>
    <name>qbk::DateSelector</name>
    <message>
        <source>Latest date</source>
        <translation>Fecha más reciente</translation>
    </message>
    <message>
        <source>The date - type it or pick it (Alt+Down)</source>
        <translation>La fecha: escríbala o elíjala (Alt+Abajo)</translation>
    </message>
    <message>
        <source>The latest date - type it or pick it (Alt+Down)</source>
        <translation>La fecha más reciente: escríbala o elíjala (Alt+Abajo)</translation>
    </message>
    <message>
        <source>Change date - 365 days lower</source>
        <translation>Cambiar la fecha: 365 días antes</translation>
    </message>
    <message>
        <source>Change date - 30 days lower</source>
        <translation>Cambiar la fecha: 30 días antes</translation>
    </message>
    <message>
        <source>Change date - one day lower</source>
        <translation>Cambiar la fecha: un día antes</translation>
    </message>
    <message>
        <source>Change date - make today</source>
        <translation>Cambiar la fecha: hoy</translation>
    </message>
    <message>
        <source>Change date - one day higher</source>
        <translation>Cambiar la fecha: un día después</translation>
    </message>
    <message>
        <source>Change date - 30 days higher</source>
        <translation>Cambiar la fecha: 30 días después</translation>
    </message>
    <message>
        <source>Change date - 365 days higher</source>
        <translation>Cambiar la fecha: 365 días después</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>Acep&amp;tar</translation>
    </message>
    <message>
        <source>Click to accept date shown</source>
        <translation>Haga clic para aceptar la fecha mostrada</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit date selector</source>
        <translation>Salir del selector de fecha</translation>
    </message>
    <message>
        <source>Earliest date</source>
        <translation>Fecha más antigua</translation>
    </message>
    <message>
        <source>Date Selected &gt;&gt;&gt;</source>
        <translation>Fecha elegida &gt;&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>qbk::EntryForm</name>
    <message>
        <source>Single or list of user-defined item(s). See Settings!</source>
        <translation>Valor único o lista de valores propios. ¡Vea la Configuración!</translation>
    </message>
    <message>
        <source>Change date - 30 days lower</source>
        <translation>Cambiar la fecha: 30 días antes</translation>
    </message>
    <message>
        <source>Change date - one day lower</source>
        <translation>Cambiar la fecha: un día antes</translation>
    </message>
    <message>
        <source>Change date - one day higher</source>
        <translation>Cambiar la fecha: un día después</translation>
    </message>
    <message>
        <source>Change date - 30 days higher</source>
        <translation>Cambiar la fecha: 30 días después</translation>
    </message>
    <message>
        <source>Date of the entry - type it or pick it (Alt+Down)</source>
        <translation>Fecha del registro: escríbala o elíjala (Alt+Abajo)</translation>
    </message>
    <message>
        <source>Change date - make today</source>
        <translation>Cambiar la fecha: hoy</translation>
    </message>
    <message>
        <source>Amo&amp;unt</source>
        <translation>Imp&amp;orte</translation>
    </message>
    <message>
        <source>Amount of income or expense</source>
        <translation>Importe del ingreso o del gasto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Category code - click list on right to change</source>
        <translation>Código de categoría: haga clic en la lista de la derecha para cambiarlo</translation>
    </message>
    <message>
        <source>Category name - click list on right to change</source>
        <translation>Nombre de categoría: haga clic en la lista de la derecha para cambiarlo</translation>
    </message>
    <message>
        <source>Category code</source>
        <translation>Código de categoría</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nombre de categoría</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Type a short note here - up to 60 characters</source>
        <translation>Escriba aquí una nota breve (hasta 60 caracteres)</translation>
    </message>
    <message>
        <source>No&amp;te</source>
        <translation>No&amp;ta</translation>
    </message>
    <message>
        <source>Remove item from pick list</source>
        <translation>Quitar el valor de la lista de selección</translation>
    </message>
    <message>
        <source>Remove item from pick list of user field 1</source>
        <translation>Quitar el valor de la lista del campo de usuario 1</translation>
    </message>
    <message>
        <source>Remove item from pick list of user field 2</source>
        <translation>Quitar el valor de la lista del campo de usuario 2</translation>
    </message>
    <message>
        <source>New &amp;Income</source>
        <translation>Nuevo in&amp;greso</translation>
    </message>
    <message>
        <source>Save new income record</source>
        <translation>Guardar un nuevo ingreso</translation>
    </message>
    <message>
        <source>New Ex&amp;pense</source>
        <translation>Nue&amp;vo gasto</translation>
    </message>
    <message>
        <source>Save new expense record</source>
        <translation>Guardar un nuevo gasto</translation>
    </message>
    <message>
        <source>Replace Inc&amp;ome</source>
        <translation>R&amp;eemplazar ingreso</translation>
    </message>
    <message>
        <source>Replace this record - save as income</source>
        <translation>Reemplazar este registro: guardarlo como ingreso</translation>
    </message>
    <message>
        <source>Replace E&amp;xpense</source>
        <translation>Reempla&amp;zar gasto</translation>
    </message>
    <message>
        <source>Replace this record - save as expense</source>
        <translation>Reemplazar este registro: guardarlo como gasto</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Delete record (CTRL-DEL)</source>
        <translation>Eliminar el registro (Ctrl+Supr)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit record edit - no changes (ESC)</source>
        <translation>Salir de la edición sin cambios (Esc)</translation>
    </message>
</context>
<context>
    <name>qbk::HelpWindow</name>
    <message>
        <source>Quillbank 3 Help</source>
        <translation>Ayuda de Quillbank 3</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
</context>
<context>
    <name>qbk::ImportPreviewModel</name>
    <message>
        <source>in the book</source>
        <translation>en el libro</translation>
    </message>
    <message>
        <source>listed twice in the file</source>
        <translation>dos veces en el archivo</translation>
    </message>
    <message>
        <source>id reused with another date or amount: not a duplicate</source>
        <translation>identificador reutilizado con otra fecha u otro importe: no es un duplicado</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicado</translation>
    </message>
</context>
<context>
    <name>qbk::MainGridModel</name>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Cleared: the bank has this entry</source>
        <translation>Punteado: el banco tiene este registro</translation>
    </message>
    <message>
        <source>Reconciled: agreed with a bank statement</source>
        <translation>Conciliado: coincide con un extracto bancario</translation>
    </message>
    <message>
        <source>Not cleared: the bank has not shown this entry yet</source>
        <translation>Sin puntear: el banco aún no ha mostrado este registro</translation>
    </message>
    <message>
        <source>Planned: the schedules will make this entry</source>
        <translation>Previsto: las programaciones crearán este registro</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Cleared: c the bank has the entry, R reconciled</source>
        <translation>Punteado: c el banco tiene el registro, R conciliado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
</context>
<context>
    <name>qbk::PayeeRulesDialog</name>
    <message>
        <source>Payee Rules</source>
        <translation>Reglas de beneficiarios</translation>
    </message>
    <message>
        <source>A statement line whose payee or memo contains the text on the left goes to the category on the right (capitals do not matter; the longest text that matches wins).</source>
        <translation>Una línea del extracto cuyo beneficiario o concepto contiene el texto de la izquierda va a la categoría de la derecha (las mayúsculas no importan; gana el texto más largo que coincida).</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Añadir una regla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete the selected rules</source>
        <translation>Eliminar las reglas elegidas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Keep these rules</source>
        <translation>Conservar estas reglas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Leave the rules as they were</source>
        <translation>Dejar las reglas como estaban</translation>
    </message>
    <message>
        <source>Payee or memo contains</source>
        <translation>El beneficiario o el concepto contiene</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
</context>
<context>
    <name>qbk::QBK3Config</name>
    <message>
        <source>Save List Items?</source>
        <translation>¿Guardar valores?</translation>
    </message>
    <message>
        <source>Check to save each item entered in this field</source>
        <translation>Marque para guardar cada valor escrito en este campo</translation>
    </message>
    <message>
        <source>Quillbank Configuration Settings</source>
        <translation>Quillbank: configuración</translation>
    </message>
    <message>
        <source>FY Starts &amp;Month ?</source>
        <translation>&amp;Mes de inicio del ejercicio:</translation>
    </message>
    <message>
        <source>First month of your fiscal year</source>
        <translation>Primer mes de su ejercicio</translation>
    </message>
    <message>
        <source>FY Starts &amp;Day?</source>
        <translation>&amp;Día:</translation>
    </message>
    <message>
        <source>First day of your fiscal year</source>
        <translation>Primer día de su ejercicio</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Contraseña</translation>
    </message>
    <message>
        <source>Start-up password - Max 10 characters</source>
        <translation>Contraseña de inicio (máximo 10 caracteres)</translation>
    </message>
    <message>
        <source>Sho&amp;w</source>
        <translation>Mos&amp;trar</translation>
    </message>
    <message>
        <source>Show the password as typed</source>
        <translation>Mostrar la contraseña tal como se escribe</translation>
    </message>
    <message>
        <source>&amp;Owner Name</source>
        <translation>&amp;Nombre del titular</translation>
    </message>
    <message>
        <source>Your name, as the report headings show it - Max 40 characters</source>
        <translation>Su nombre, tal como lo muestran los encabezados de los informes (máximo 40 caracteres)</translation>
    </message>
    <message>
        <source>Name For User Field &amp;1</source>
        <translation>Nombre del campo de usuario &amp;1</translation>
    </message>
    <message>
        <source>Name for user-defined field #1 - Max 10 characters</source>
        <translation>Nombre del campo de usuario n.º 1 (máximo 10 caracteres)</translation>
    </message>
    <message>
        <source>Name For User Field &amp;2</source>
        <translation>Nombre del campo de usuario &amp;2</translation>
    </message>
    <message>
        <source>Name for user-defined field #2 - Max 10 characters</source>
        <translation>Nombre del campo de usuario n.º 2 (máximo 10 caracteres)</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>&amp;Editor</translation>
    </message>
    <message>
        <source>Leave blank to use Wordpad or Word</source>
        <translation>Déjelo en blanco para usar el programa predeterminado de documentos</translation>
    </message>
    <message>
        <source>&amp;Alt. Folder 1</source>
        <translation>Carpeta &amp;alt. 1</translation>
    </message>
    <message>
        <source>Alt. &amp;Folder 2</source>
        <translation>Ca&amp;rpeta alt. 2</translation>
    </message>
    <message>
        <source>Use Current</source>
        <translation>Usar la actual</translation>
    </message>
    <message>
        <source>Make the CURRENT folder Alternate 1</source>
        <translation>Hacer de la carpeta ACTUAL la alternativa 1</translation>
    </message>
    <message>
        <source>Make the CURRENT folder Alternate 2</source>
        <translation>Hacer de la carpeta ACTUAL la alternativa 2</translation>
    </message>
    <message>
        <source>Save List Items? (User Field 1)</source>
        <translation>¿Guardar valores? (campo de usuario 1)</translation>
    </message>
    <message>
        <source>Save List Items? (User Field 2)</source>
        <translation>¿Guardar valores? (campo de usuario 2)</translation>
    </message>
    <message>
        <source>Use Current (Alt. Folder 1)</source>
        <translation>Usar la actual (carpeta alt. 1)</translation>
    </message>
    <message>
        <source>Use Current (Alt. Folder 2)</source>
        <translation>Usar la actual (carpeta alt. 2)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Quit Settings - save any changes</source>
        <translation>Salir de la configuración guardando los cambios</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit Settings without saving any changes</source>
        <translation>Salir de la configuración sin guardar los cambios</translation>
    </message>
    <message>
        <source>At Start &amp;Up Display...</source>
        <translation>Mostrar al &amp;iniciar...</translation>
    </message>
    <message>
        <source>Translated report &amp;captions</source>
        <translation>Tít&amp;ulos de informes traducidos</translation>
    </message>
    <message>
        <source>Reports show their captions in the language of the window; unchecked they stay English</source>
        <translation>Los informes muestran sus títulos en el idioma de la ventana; sin marcar quedan en inglés</translation>
    </message>
    <message>
        <source>Save path to alternate data folder</source>
        <translation>Guardar la ruta de la carpeta de datos alternativa</translation>
    </message>
    <message>
        <source>Full Fiscal Year</source>
        <translation>Ejercicio completo</translation>
    </message>
    <message>
        <source>Past 30 Days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Past 60 Days</source>
        <translation>Últimos 60 días</translation>
    </message>
    <message>
        <source>Past 90 Days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>Past 180 Days</source>
        <translation>Últimos 180 días</translation>
    </message>
    <message>
        <source>Past 1 Year</source>
        <translation>Último año</translation>
    </message>
    <message>
        <source>Past 2 Years</source>
        <translation>Últimos 2 años</translation>
    </message>
    <message>
        <source>Past 3 Years</source>
        <translation>Últimos 3 años</translation>
    </message>
    <message>
        <source>Past 4 Years</source>
        <translation>Últimos 4 años</translation>
    </message>
    <message>
        <source>Past 5 Years</source>
        <translation>Últimos 5 años</translation>
    </message>
</context>
<context>
    <name>qbk::QBKGame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Last score:</source>
        <translation>Última puntuación:</translation>
    </message>
    <message>
        <source>Best score:</source>
        <translation>Mejor puntuación:</translation>
    </message>
</context>
<context>
    <name>qbk::QBK_3_Main</name>
    <message>
        <source>Cleared balance %1</source>
        <translation>Saldo punteado %1</translation>
    </message>
    <message>
        <source>%1 was already listed.</source>
        <translation>%1 ya estaba en la lista.</translation>
    </message>
    <message>
        <source>%1 were already listed.</source>
        <translation>%1 ya estaban en la lista.</translation>
    </message>
    <message>
        <source>Double-click any line item to edit</source>
        <translation>Haga doble clic en una línea para editarla</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>All Categories &lt;F8&gt;</source>
        <translation>Todas las categorías &lt;F8&gt;</translation>
    </message>
    <message>
        <source>Click to display all categories</source>
        <translation>Haga clic para mostrar todas las categorías</translation>
    </message>
    <message>
        <source>Double-click any category to narrow your view</source>
        <translation>Haga doble clic en una categoría para acotar la vista</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Values of the user field</source>
        <translation>Valores del campo de usuario</translation>
    </message>
</context>
<context>
    <name>qbk::ReconcileDialog</name>
    <message>
        <source>Reconcile with a Bank Statement</source>
        <translation>Conciliar con un extracto bancario</translation>
    </message>
    <message>
        <source>Statement end date</source>
        <translation>Fecha final del extracto</translation>
    </message>
    <message>
        <source>Ending balance</source>
        <translation>Saldo final</translation>
    </message>
    <message>
        <source>Opening balance</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>What the account held before the first entry the book marks cleared; typed the first time, then kept</source>
        <translation>Lo que tenía la cuenta antes del primer registro punteado del libro; se escribe la primera vez y luego se conserva</translation>
    </message>
    <message>
        <source>&amp;Show Entries</source>
        <translation>&amp;Mostrar registros</translation>
    </message>
    <message>
        <source>Statement &amp;end date:</source>
        <translation>&amp;Fecha final del extracto:</translation>
    </message>
    <message>
        <source>Statement ending &amp;balance:</source>
        <translation>&amp;Saldo final del extracto:</translation>
    </message>
    <message>
        <source>&amp;Opening balance:</source>
        <translation>Saldo &amp;inicial:</translation>
    </message>
    <message>
        <source>Entries up to the end date; tick what the statement shows</source>
        <translation>Registros hasta la fecha final; marque lo que muestra el extracto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Category of an adjustment entry</source>
        <translation>Categoría de un registro de ajuste</translation>
    </message>
    <message>
        <source>Book &amp;Difference...</source>
        <translation>Registrar la &amp;diferencia...</translation>
    </message>
    <message>
        <source>Book what is left over as an adjustment entry in the category beside</source>
        <translation>Registrar lo que sobra como ajuste en la categoría de al lado</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminar</translation>
    </message>
    <message>
        <source>Enabled when the difference is 0.00</source>
        <translation>Disponible cuando la diferencia es 0,00</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Difference: </source>
        <translation>Diferencia: </translation>
    </message>
    <message>
        <source>Difference: type the end date and the balances</source>
        <translation>Diferencia: escriba la fecha final y los saldos</translation>
    </message>
</context>
<context>
    <name>qbk::ReportMode</name>
    <message>
        <source>Highlight item and press DELETE key to remove from report</source>
        <translation>Seleccione la línea y pulse Supr para quitarla del informe</translation>
    </message>
</context>
<context>
    <name>qbk::TinyCalc</name>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Double-click to place in clipboard!</source>
        <translation>¡Doble clic para copiarlo al portapapeles!</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>S&amp;umar</translation>
    </message>
    <message>
        <source>&amp;Subtract</source>
        <translation>&amp;Restar</translation>
    </message>
    <message>
        <source>&amp;Multiply</source>
        <translation>&amp;Multiplicar</translation>
    </message>
    <message>
        <source>&amp;Divide</source>
        <translation>&amp;Dividir</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>result on &amp;top</source>
        <translation>resul&amp;tado arriba</translation>
    </message>
</context>
<context>
    <name>qbk::TypedDateBox</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Pick the date from a calendar (Alt+Down)</source>
        <translation>Elegir la fecha en un calendario (Alt+Abajo)</translation>
    </message>
</context>
<context>
    <name>qbk::frmBackup</name>
    <message>
        <source>Quillbank Data Backup</source>
        <translation>Copia de seguridad de datos de Quillbank</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Lista de archivos</translation>
    </message>
    <message>
        <source>These are the files to be backed up</source>
        <translation>Estos son los archivos que se copiarán</translation>
    </message>
    <message>
        <source>This specifies the TARGET drive</source>
        <translation>Esto indica la unidad de DESTINO</translation>
    </message>
    <message>
        <source>This specifies the TARGET folder</source>
        <translation>Esto indica la carpeta de DESTINO</translation>
    </message>
    <message>
        <source>target</source>
        <translation>destino</translation>
    </message>
    <message>
        <source>progress</source>
        <translation>progreso</translation>
    </message>
    <message>
        <source>&amp;Copy all Source files to Target</source>
        <translation>Copiar todos los &amp;archivos de origen al destino</translation>
    </message>
    <message>
        <source>Start data backup process</source>
        <translation>Iniciar la copia de seguridad de datos</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Quit data backup utility</source>
        <translation>Salir de la copia de seguridad</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>&amp;Origen:</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Destino:</translation>
    </message>
</context>
<context>
    <name>qbk::qbk3Splash</name>
    <message>
        <source>Cashflow record - version 3.0</source>
        <translation>Registro de caja – versión 3.0</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Contraseña</translation>
    </message>
    <message>
        <source>Enter (optional) password here</source>
        <translation>Escriba aquí la contraseña (opcional)</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>C&amp;ontinuar</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Haga clic para continuar</translation>
    </message>
</context>
<context>
    <name>qbk::qbk3cdi</name>
    <message>
        <source> (set Footer lines to %1 to leave them out)</source>
        <translation> (ponga Líneas de pie en %1 para dejarlas fuera)</translation>
    </message>
    <message>
        <source> - a first line of column names is left out with &quot;First line holds column names&quot;, lines before it with Skip lines at top</source>
        <translation> - una primera línea de nombres de columna se deja fuera con «Primera línea con nombres de columna», las líneas anteriores con «Líneas a saltar al comienzo»</translation>
    </message>
    <message>
        <source> (choose the format under Dates)</source>
        <translation> (elija el formato en Formato de fecha)</translation>
    </message>
    <message>
        <source> (choose %1 under Dates)</source>
        <translation> (elija %1 en Formato de fecha)</translation>
    </message>
    <message>
        <source> (choose it under Decimals)</source>
        <translation> (elíjala en Decimales)</translation>
    </message>
    <message>
        <source>Import Bank File</source>
        <translation>Importar archivo bancario</translation>
    </message>
    <message>
        <source>Comma-Delimited Import Field Selector</source>
        <translation>Selector de campos de la importación delimitada por comas</translation>
    </message>
    <message>
        <source>&amp;Select File</source>
        <translation>Elegir &amp;archivo</translation>
    </message>
    <message>
        <source>Click to select a file to import</source>
        <translation>Pulse para elegir un archivo para importar</translation>
    </message>
    <message>
        <source>C&amp;lear Fields</source>
        <translation>&amp;Quitar vínculos</translation>
    </message>
    <message>
        <source>Clear all fields and start over</source>
        <translation>Borrar todos los campos y empezar de nuevo</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Start the import operation</source>
        <translation>Iniciar la importación</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Quit import utility without further action</source>
        <translation>Salir de la importación sin hacer nada más</translation>
    </message>
    <message>
        <source>Pa&amp;yee Rules...</source>
        <translation>Reglas de &amp;beneficiarios...</translation>
    </message>
    <message>
        <source>Which payee goes to which category</source>
        <translation>Qué beneficiario va a qué categoría</translation>
    </message>
    <message>
        <source>Import file name... ?</source>
        <translation>Nombre del archivo de importación... ?</translation>
    </message>
    <message>
        <source>this is the file you have selected</source>
        <translation>este es el archivo que ha elegido</translation>
    </message>
    <message>
        <source>Import File Data Fields</source>
        <translation>Campos del archivo importado</translation>
    </message>
    <message>
        <source>First line &amp;holds column names</source>
        <translation>Primera línea con nombres de col&amp;umna</translation>
    </message>
    <message>
        <source>Leave out the first line of the file</source>
        <translation>Omitir la primera línea del archivo</translation>
    </message>
    <message>
        <source>How the dates of the file are written</source>
        <translation>Cómo están escritas las fechas del archivo</translation>
    </message>
    <message>
        <source>found from the file</source>
        <translation>según el archivo</translation>
    </message>
    <message>
        <source>The decimal mark of the file's amounts</source>
        <translation>El separador decimal de los importes del archivo</translation>
    </message>
    <message>
        <source>point (1,234.56)</source>
        <translation>punto (1,234.56)</translation>
    </message>
    <message>
        <source>comma (1.234,56)</source>
        <translation>coma (1.234,56)</translation>
    </message>
    <message>
        <source>The entries the import makes; tick a duplicate to import it after all, double-click a category to choose one</source>
        <translation>Los registros que crea la importación; marque un duplicado para importarlo de todos modos, haga doble clic en una categoría para elegir una</translation>
    </message>
    <message>
        <source>The words of the sign field for money out, separated by commas</source>
        <translation>Las palabras del campo de signo para las salidas de dinero, separadas por comas</translation>
    </message>
    <message>
        <source>What stands between the fields of a .csv file</source>
        <translation>Lo que separa los campos de un archivo .csv</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>coma</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>punto y coma</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulador</translation>
    </message>
    <message>
        <source>Lines at the top of the file before the entries or the column names</source>
        <translation>Líneas al principio del archivo antes de los registros o de los nombres de columna</translation>
    </message>
    <message>
        <source>Lines at the end of the file that are no entries (a balance, a total)</source>
        <translation>Líneas al final del archivo que no son registros (un saldo, un total)</translation>
    </message>
    <message>
        <source>How the file writes the amount</source>
        <translation>Cómo escribe el archivo el importe</translation>
    </message>
    <message>
        <source>one signed field</source>
        <translation>campo con signo</translation>
    </message>
    <message>
        <source>debit and credit</source>
        <translation>débito y crédito</translation>
    </message>
    <message>
        <source>field and sign</source>
        <translation>campo y signo</translation>
    </message>
    <message>
        <source>Amounts ha&amp;ve the opposite sign</source>
        <translation>Los importes tienen el si&amp;gno contrario</translation>
    </message>
    <message>
        <source>The file writes money out as positive amounts</source>
        <translation>El archivo escribe las salidas de dinero como importes positivos</translation>
    </message>
    <message>
        <source>A layout saved for a bank's files</source>
        <translation>Un formato guardado para los archivos de un banco</translation>
    </message>
    <message>
        <source>Save Layout...</source>
        <translation>Guardar formato...</translation>
    </message>
    <message>
        <source>Save the links and the layout under a name</source>
        <translation>Guardar los vínculos y el formato con un nombre</translation>
    </message>
    <message>
        <source>Quillbank Fields</source>
        <translation>Campos de Quillbank</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Fecha</translation>
    </message>
    <message>
        <source>&amp;Amount</source>
        <translation>Import&amp;e</translation>
    </message>
    <message>
        <source>De&amp;bit</source>
        <translation>&amp;Débito</translation>
    </message>
    <message>
        <source>C&amp;redit</source>
        <translation>C&amp;rédito</translation>
    </message>
    <message>
        <source>Si&amp;gn</source>
        <translation>&amp;Signo</translation>
    </message>
    <message>
        <source>Debit &amp;words</source>
        <translation>Palabras &amp;de débito</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>&amp;Nota</translation>
    </message>
    <message>
        <source>&amp;Joined note</source>
        <translation>Nota ad&amp;junta</translation>
    </message>
    <message>
        <source>Ca&amp;tegory</source>
        <translation>Ca&amp;tegoría</translation>
    </message>
    <message>
        <source>User Field &amp;1</source>
        <translation>Campo de usuario &amp;1</translation>
    </message>
    <message>
        <source>User Field &amp;2</source>
        <translation>Campo de usuario &amp;2</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Bank e&amp;xport</source>
        <translation>E&amp;xportación bancaria</translation>
    </message>
    <message>
        <source>Se&amp;parator</source>
        <translation>Se&amp;parador</translation>
    </message>
    <message>
        <source>S&amp;kip lines at top</source>
        <translation>Líneas a saltar al comien&amp;zo</translation>
    </message>
    <message>
        <source>F&amp;ooter lines</source>
        <translation>&amp;Líneas de pie</translation>
    </message>
    <message>
        <source>Dat&amp;es</source>
        <translation>Formato de fec&amp;ha</translation>
    </message>
    <message>
        <source>Deci&amp;mals</source>
        <translation>Deci&amp;males</translation>
    </message>
    <message>
        <source>Amo&amp;unt in</source>
        <translation>Imp&amp;orte en</translation>
    </message>
    <message>
        <source>Import File Data &amp;Fields</source>
        <translation>Campos del archi&amp;vo importado</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Read with the import profile %1.</source>
        <translation>Leído con el perfil de importación %1.</translation>
    </message>
    <message>
        <source>Save Layout</source>
        <translation>Guardar formato</translation>
    </message>
    <message>
        <source>Name of this layout (it is chosen again for files with the same column names):</source>
        <translation>Nombre de este formato (se vuelve a elegir para los archivos con los mismos nombres de columna):</translation>
    </message>
    <message>
        <source>The layout was saved as the import profile %1.</source>
        <translation>El formato se ha guardado como perfil de importación %1.</translation>
    </message>
    <message>
        <source>Read with the import profile %1, saved for these column names.</source>
        <translation>Leído con el perfil de importación %1, guardado para estos nombres de columna.</translation>
    </message>
    <message>
        <source>Line %1 is no entry (shown at the end of the list): set Footer lines to 1 to leave it out.</source>
        <translation>La línea %1 no es un registro (se muestra al final de la lista): ponga Líneas de pie en 1 para omitirla.</translation>
    </message>
    <message>
        <source>The %1 lines from line %2 are no entries (shown at the end of the list): set Footer lines to %1 to leave them out.</source>
        <translation>Las %1 líneas desde la línea %2 no son registros (se muestran al final de la lista): ponga Líneas de pie en %1 para omitirlas.</translation>
    </message>
    <message>
        <source>Link the Date and Amount fields to see the entries here.</source>
        <translation>Vincule los campos Fecha e Importe para ver aquí los registros.</translation>
    </message>
    <message>
        <source>1 line at the end left out.</source>
        <translation>1 línea del final omitida.</translation>
    </message>
    <message>
        <source>%1 lines at the end left out.</source>
        <translation>%1 líneas del final omitidas.</translation>
    </message>
    <message>
        <source>The &quot;Import File Data Fields&quot; list on the right shows the first five records from the data file you selected. You must match up the fields with the &quot;Quillbank Fields&quot; list in the middle. Highlight each item on the right in turn and then click on the correct field number box to make the field number appear. Quillbank fields which have no corresponding import file field number will simply be left empty. You MUST sort your data after importing!</source>
        <translation>La lista «Campos del archivo importado» de la derecha muestra los cinco primeros registros del archivo elegido. Empareje los campos con la lista «Campos de Quillbank» del centro: marque por turno cada elemento de la derecha y pulse después en la casilla del campo correcto para que aparezca su número. Los campos de Quillbank sin campo correspondiente en el archivo quedan vacíos. ¡DEBE ordenar sus datos después de importar!</translation>
    </message>
    <message>
        <source>The table below shows the transactions of the statement you selected. Lines that are already in your book are marked as duplicates and left out; tick one to import it after all. Double-click a category to choose one: the payee is remembered for the next statement, and &quot;Payee Rules&quot; shows what has been learned. Lines left without a category can go to IMPORT. You MUST sort your data after importing!</source>
        <translation>La tabla de abajo muestra los movimientos del extracto elegido. Las líneas que ya están en su libro se marcan como duplicados y se omiten; marque una para importarla de todos modos. Haga doble clic en una categoría para elegir una: el beneficiario se recuerda para el próximo extracto, y «Reglas de beneficiarios» muestra lo aprendido. Las líneas sin categoría pueden ir a IMPORT. ¡DEBE ordenar sus datos después de importar!</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>FY %1 - %2  &gt;&gt;  %3</source>
        <translation>EF %1 - %2  &gt;&gt;  %3</translation>
    </message>
    <message>
        <source>%1 Days - %2</source>
        <translation>%1 días - %2</translation>
    </message>
    <message>
        <source>1 Year - %1</source>
        <translation>1 año - %1</translation>
    </message>
    <message>
        <source>%1 Years - %2</source>
        <translation>%1 años - %2</translation>
    </message>
    <message>
        <source>Category = All Categories </source>
        <translation>Categoría = Todas las categorías </translation>
    </message>
    <message>
        <source>%1 Items</source>
        <translation>%1 elementos</translation>
    </message>
    <message>
        <source>Category = %1 </source>
        <translation>Categoría = %1 </translation>
    </message>
    <message>
        <source>Word Search = %1 </source>
        <translation>Búsqueda de palabra = %1 </translation>
    </message>
    <message>
        <source>Reporting: %1 items selected.</source>
        <translation>Informe: %1 elementos seleccionados.</translation>
    </message>
    <message>
        <source>Sorting %1 ... press &lt;ESC&gt; to stop </source>
        <translation>Ordenando %1 ... pulse &lt;ESC&gt; para detener </translation>
    </message>
    <message>
        <source>%1 records which were marked for deletion have been removed.</source>
        <translation>Se han quitado %1 registros marcados para borrar.</translation>
    </message>
    <message>
        <source>%1 records which were marked for deletion have been removed. The file as it was before is kept as %2.</source>
        <translation>Se han quitado %1 registros marcados para borrar. El archivo tal como era se conserva como %2.</translation>
    </message>
    <message>
        <source>%1 records that were marked for deletion have been restored.</source>
        <translation>Se han restaurado %1 registros marcados para borrar.</translation>
    </message>
    <message>
        <source>Nothing to do!</source>
        <translation>¡Nada que hacer!</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Error - operation aborted</source>
        <translation>Error: operación cancelada</translation>
    </message>
    <message>
        <source>What is the earliest date you wish to see?</source>
        <translation>¿Cuál es la fecha más antigua que desea ver?</translation>
    </message>
    <message>
        <source>What is the latest date you wish to see?</source>
        <translation>¿Cuál es la fecha más reciente que desea ver?</translation>
    </message>
    <message>
        <source>Please provide a date for these entries...</source>
        <translation>Indique una fecha para estos registros...</translation>
    </message>
    <message>
        <source>Please provide the last day of the forecast...</source>
        <translation>Indique el último día de la previsión...</translation>
    </message>
    <message>
        <source>Search for a complete word or phrase</source>
        <translation>Buscar una palabra o frase completa</translation>
    </message>
    <message>
        <source>Search for a word or phrase fragment</source>
        <translation>Buscar un fragmento de palabra o frase</translation>
    </message>
    <message>
        <source>Scheduled entries go into the book: quit macro edit or report mode first.</source>
        <translation>Los registros programados van al libro: salga antes de la edición de macros o del modo de informe.</translation>
    </message>
    <message>
        <source>No scheduled entry is due.</source>
        <translation>No vence ningún registro programado.</translation>
    </message>
    <message>
        <source>The forecast continues the record list: quit report mode first.</source>
        <translation>La previsión continúa la lista de registros: salga antes del modo de informe.</translation>
    </message>
    <message>
        <source>The forecast looks ahead: please choose a day after today.</source>
        <translation>La previsión mira hacia delante: elija un día posterior a hoy.</translation>
    </message>
    <message>
        <source>The Tool Tips will reappear the next time you start the program.</source>
        <translation>La ayuda emergente volverá a aparecer la próxima vez que inicie el programa.</translation>
    </message>
    <message>
        <source>Tool Tips On</source>
        <translation>Ayuda emergente activada</translation>
    </message>
    <message>
        <source>Please make sure your internet connection is active!</source>
        <translation>¡Compruebe que su conexión a Internet está activa!</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>¿Continuar?</translation>
    </message>
    <message>
        <source>Visit Brindlefold on the Web</source>
        <translation>Visitar Brindlefold en la Web</translation>
    </message>
    <message>
        <source>Could not find your Browser</source>
        <translation>No se encontró su navegador</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Navegador no encontrado</translation>
    </message>
    <message>
        <source>Target and source are the same! Please select a different target folder.</source>
        <translation>¡El destino y el origen son el mismo! Elija otra carpeta de destino.</translation>
    </message>
    <message>
        <source>Backup completed!</source>
        <translation>¡Copia de seguridad terminada!</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Please type an amount such as -400 (money out) or 1,250.00 (money in).</source>
        <translation>Escriba un importe como -400 (gasto) o 1.250,00 (ingreso).</translation>
    </message>
    <message>
        <source>The categories have changed since this plan was read. Please press Revert and type the changes again; nothing has been saved.</source>
        <translation>Las categorías han cambiado desde que se leyó este plan. Pulse Revertir y escriba de nuevo los cambios; no se ha guardado nada.</translation>
    </message>
    <message>
        <source>You must first build a list of items in order to generate a report. Please select categories and/or perform word searches to build your list.</source>
        <translation>Para generar un informe primero debe crear una lista. Elija categorías o haga búsquedas de palabras para crearla.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>No hay ninguna impresora instalada.</translation>
    </message>
    <message>
        <source>Save the report as a PDF file instead?</source>
        <translation>¿Guardar el informe como archivo PDF en su lugar?</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimir informe</translation>
    </message>
    <message>
        <source>There are no entries in this list to chart. Please choose a range, a category or a search that lists some.</source>
        <translation>Esta lista no tiene registros para un gráfico. Elija un periodo, una categoría o una búsqueda que muestre alguno.</translation>
    </message>
    <message>
        <source>No printer is installed. Save the chart as a PDF document instead?</source>
        <translation>No hay ninguna impresora instalada. ¿Guardar el gráfico como documento PDF en su lugar?</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Imprimir gráfico</translation>
    </message>
    <message>
        <source>Select a folder...</source>
        <translation>Elija una carpeta...</translation>
    </message>
    <message>
        <source>Select a file...</source>
        <translation>Elija un archivo...</translation>
    </message>
    <message>
        <source>Records to be imported MUST have a least a Date field and an Amount field specified.</source>
        <translation>Los registros que se importan DEBEN tener al menos un campo Fecha y un campo Importe.</translation>
    </message>
    <message>
        <source>Ready to attempt data import. Please be advised that the import operation cannot tell whether or not the data being imported is valid!</source>
        <translation>Listo para intentar la importación de datos. Tenga en cuenta que la importación no puede saber si los datos importados son válidos.</translation>
    </message>
    <message>
        <source>IMPORTANT: if you have not recently run a data backup then you are strongly advised to quit the import operation now and do so!</source>
        <translation>IMPORTANTE: si no ha hecho hace poco una copia de seguridad de los datos, le recomendamos salir ahora de la importación y hacerla.</translation>
    </message>
    <message>
        <source>Proceed?</source>
        <translation>¿Continuar?</translation>
    </message>
    <message>
        <source>Ready...</source>
        <translation>Listo...</translation>
    </message>
    <message>
        <source>Order of the dates</source>
        <translation>Orden de las fechas</translation>
    </message>
    <message>
        <source>Read them month first? (No reads them day first.)</source>
        <translation>¿Leerlas con el mes primero? (No las lee con el día primero.)</translation>
    </message>
    <message>
        <source>Choose No to pick categories in the table first.</source>
        <translation>Elija No para escoger antes las categorías en la tabla.</translation>
    </message>
</context>
</TS>
